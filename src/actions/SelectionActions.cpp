// The selection actions, ids 41 to 63. Selecting with the mouse is the view's own
// business: these actions switch its mouse interaction to a selection mode and store a
// tool code under which the canvas's tool engine leaves the mouse alone. The region
// operations work on the current layer's picture, inside the selection when there is one.
// What a crop or a cut leaves behind is the view's background colour, the same colour the
// view shows around the picture.
#include "actions/SelectionActions.h"

#include "actions/ActionFrame.h"
#include "actions/EffectsDialog.h"
#include "actions/ClipboardPictures.h"
#include "boundary/HostSlots.h"
#include "canvas/ViewProcessor.h"
#include "gfx/GfxError.h"
#include "gfx/Resample.h"
#include "gfx/codecs/FileSystem.h"
#include "gfx/codecs/PictureFile.h"
#include "gfx/ops/Blur.h"
#include "gfx/ops/CropSel.h"
#include "gfx/ops/KeyedDraw.h"
#include "gfx/ops/MakeTile.h"
#include "gfx/ops/MaskedCopy.h"
#include "gfx/ops/Negative.h"
#include "gfx/ops/RemoveRedEyes.h"
#include "ui/MessageBox.h"
#include "ui/Platform.h"

#include <cstdint>
#include <cstdlib>

namespace ix::actions {

namespace {

using canvas::State;
using canvas::TPicture;

constexpr const char* kCropHint = "Please do select an area to crop with your mouse first!";

bool SelectTool(const ActionParams& p, const char* tool, gfx::MouseInteract interact)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        c.SetSetting(State::Tools, tool);
        c.MainView().SetMouseInteract(interact);
    });
}

// The picture file of parameter 2, loaded; a missing file, or one that holds no picture,
// fails the action.
gfx::Picture LoadParameterPicture(std::string_view file)
{
    if (file.empty() || !gfx::codecs::FileExists(file)) throw gfx::GfxError("no such picture file");
    std::optional<gfx::Picture> picture = gfx::codecs::LoadPictureFile(file);
    if (!picture || picture->IsEmpty()) throw gfx::GfxError("not a picture");
    if (picture->Format() != gfx::PixelFormat::Bgr24) picture->ConvertTo(gfx::PixelFormat::Bgr24);
    return std::move(*picture);
}

// Where the layer-0 pixel `p` lies in the current layer's picture.
gfx::Point InCurrentLayer(const gfx::ImageView& view, gfx::Point p)
{
    const gfx::Layer& layer = view.Layers().Current();
    return {p.x - layer.posX, p.y - layer.posY};
}

// The selected area (the whole picture when nothing is selected) to the clipboard, with
// its alpha, then filled with the background colour. Nothing is erased unless it is safely
// on the clipboard: a clipboard that cannot be opened fails the cut.
void SelCutToClip(gfx::ImageView& view, ui::Clipboard& clipboard)
{
    const gfx::Color background = view.BackgroundColor();
    const gfx::Picture cut = gfx::CropSel(view.CurrentLayer().picture, gfx::CurrentLayerArea(view), background);
    if (!CopyPictureToClipboard(clipboard, cut)) throw gfx::GfxError("the clipboard cannot be opened");
    canvas::FillImage(view, background);
}

} // namespace

bool ExecSelectIntensity(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) { c.MainView().SetSelectionIntensity(ReadIntegerOr(Param(p, 1), 255)); });
}

bool ExecSelectMagicWand(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::ImageView& view = c.MainView();
        c.SetSetting(State::Tools, "MAGIC_WAND");
        view.SetMouseInteract(gfx::miSelectMagicWand);
        const std::string_view mode = Param(p, 1);
        gfx::MagicWandMode wand = gfx::MagicWandMode::Global;
        if (mode == "Inclusive") wand = gfx::MagicWandMode::Inclusive;
        if (mode == "Exclusive") wand = gfx::MagicWandMode::Exclusive;
        view.SetMagicWandMode(wand);
    });
}

bool ExecMagicWandTolerance(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        c.MainView().SetMagicWandTolerance(ReadIntegerOr(Param(p, 1), gfx::kDefaultMagicWandTolerance));
        c.RefreshView();
    });
}

bool ExecSelectRectangle(const ActionParams& p) { return SelectTool(p, "SELECT_RECTANGLE", gfx::miSelect); }
bool ExecSelectLasso(const ActionParams& p) { return SelectTool(p, "SELECT_LASSO", gfx::miSelectLasso); }
bool ExecSelectEllips(const ActionParams& p) { return SelectTool(p, "SELECT_CIRCLE", gfx::miSelectCircle); }
bool ExecSelectPolygon(const ActionParams& p) { return SelectTool(p, "SELECT_POLYGON", gfx::miSelectPolygon); }

bool ExecCoordinateSelect(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        const gfx::SelectionBounds b = c.MainView().SelectedBounds();
        const int values[] = {b.x1, b.y1, b.x2, b.y2};
        for (std::size_t i = 0; i < 4; ++i) {
            const std::string_view variable = Param(p, i + 1);
            if (!variable.empty()) boundary::SetHostVariable(variable, IntegerText(values[i]));
        }
    });
}

bool ExecSelectFloodFill(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        canvas::FillImage(c.MainView(), ColorOr(Param(p, 1), gfx::colors::Black));
        c.RefreshView();
    });
}

bool ExecSelectFillPicture(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        const gfx::Picture tile = LoadParameterPicture(Param(p, 1));
        gfx::ImageView& view = c.MainView();
        gfx::Picture& picture = view.CurrentLayer().picture;
        // Enough copies to cover the picture from its top-left corner.
        const int down = picture.Height() / tile.Height();
        const int across = picture.Width() / tile.Width();
        const gfx::Picture tiling = gfx::MakeTile(tile, across + 1, down + 1);
        if (view.HasSelection()) gfx::MaskedCopy(picture, tiling, gfx::CurrentLayerArea(view));
        c.RefreshView();
    });
}

bool ExecSelectSetPicture(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::ImageView& view = c.MainView();
        const gfx::SelectionBounds b = view.SelectedBounds();
        const std::int64_t w = std::llabs(std::int64_t{b.x2} - b.x1);
        const std::int64_t h = std::llabs(std::int64_t{b.y2} - b.y1);
        const gfx::Picture loaded = LoadParameterPicture(Param(p, 1));
        // Without a selection the box is the "nothing selected" one, far too wide to draw.
        if (b == gfx::SelectionBounds{} || w > gfx::Picture::kMaxSide || h > gfx::Picture::kMaxSide)
            throw gfx::GfxError("no selection to place the picture in");
        if (w == 0 || h == 0) return;
        const gfx::Picture stretched =
            gfx::Resampled(loaded, {static_cast<int>(w), static_cast<int>(h)}, gfx::ResampleFilter::rfTriangle);
        gfx::KeyedDraw(view.CurrentLayer().picture, InCurrentLayer(view, {b.x1, b.y1}), stretched,
                       gfx::AutoTransparentColor(stretched));
        c.RefreshView();
    });
}

bool ExecSelectTransparent(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        c.SetSetting(State::Tools, "TRANSPARENT");
        c.MainView().SetMouseInteract(gfx::miNone);
        c.SetSetting(State::TransparentNumber, "255");
        if (!HasNonDigit(Param(p, 1))) c.SetSetting(State::TransparentNumber, std::string(Param(p, 1)));
    });
}

bool ExecSelectGradTparent(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        const gfx::Color lower = ColorOr(Param(p, 2), gfx::colors::Black);
        const gfx::Color upper = ColorOr(Param(p, 3), gfx::colors::Black);
        const std::int32_t alpha = ReadIntegerOr(Param(p, 1), 255);
        canvas::SetTransparentColors(c.MainView(), lower, upper, alpha & 0xFF);
        c.RefreshView();
    });
}

bool ExecSelectFeather(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        c.MainView().FeatherSelection(ReadIntegerOr(Param(p, 1), 1));
        c.RefreshView();
    });
}

bool ExecEffectsWindow(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        RunEffectsDialog(c.MainView());
        c.RefreshView();
    });
}

bool ExecSelectTrimming(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::ImageView& view = c.MainView();
        if (!view.HasSelection()) {
            ui::ShowMessage(kCropHint);
            return;
        }
        gfx::Layer& layer = view.CurrentLayer();
        const gfx::SelectedArea area = gfx::CurrentLayerArea(view);
        const gfx::Rect box = area.Box(layer.picture.GetSize());
        gfx::Picture cropped = gfx::CropSel(layer.picture, area, view.BackgroundColor());
        if (cropped.IsEmpty()) return; // the selection misses this layer
        layer.picture = std::move(cropped);
        layer.displayWidth = 0;
        layer.displayHeight = 0;
        // Layer 0 sets the picture's coordinates and stays at the origin; other layers keep
        // the kept part where it was.
        if (&layer != &view.Layers().At(0)) {
            layer.posX += box.left;
            layer.posY += box.top;
        }
        view.Deselect();
        view.Update();
        c.RefreshView();
    });
}

bool ExecSelectCut(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        SelCutToClip(c.MainView(), ui::ThePlatform().SystemClipboard());
        c.RefreshView();
    });
}

bool ExecSelectNegative(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::ImageView& view = c.MainView();
        gfx::Negative(view.CurrentLayer().picture, gfx::CurrentLayerArea(view));
        c.RefreshView();
    });
}

bool ExecSelectBlur(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        const std::string_view radius = Param(p, 1);
        if (HasNonDigit(radius)) return;
        const std::int32_t r = ReadInteger(radius);
        if (r <= 0) return;
        gfx::ImageView& view = c.MainView();
        gfx::Blur(view.CurrentLayer().picture, r, gfx::CurrentLayerArea(view));
        c.RefreshView();
    });
}

bool ExecSelectRedEyes(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::ImageView& view = c.MainView();
        gfx::RemoveRedEyes(view.CurrentLayer().picture, gfx::CurrentLayerArea(view));
        c.RefreshView();
    });
}

bool ExecCanvasSelectStyle(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::GripStyle style;
        style.outline = ColorOr(Param(p, 2), gfx::colors::Black);
        style.fill = ColorOr(Param(p, 3), gfx::colors::White);
        style.fillStyle = gfx::GripFill::Solid;
        style.size = ReadIntegerOr(Param(p, 1), 5);
        style.shape = gfx::GripShape::Circle;
        if (const auto extended = ReadBoolean(Param(p, 4))) {
            style.extended = *extended;
            c.MainView().SetGripStyle(style);
        }
        c.RefreshView();
    });
}

bool ExecSetRubberBandColor(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        c.MainView().SetOutlineColors(ColorOr(Param(p, 1), gfx::colors::Black), ColorOr(Param(p, 2), gfx::colors::Black));
        c.RefreshView();
    });
}

bool ExecCanvasSelectCancel(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::ImageView& view = c.MainView();
        view.SetMouseInteract(gfx::miNone);
        view.Deselect();
        view.Refresh();
    });
}

} // namespace ix::actions
