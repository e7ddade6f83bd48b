// The canvas and view actions, ids 1 to 20: creating and deleting canvases, blank
// pictures, and how a canvas looks and reports.
#include "actions/CanvasActions.h"

#include "actions/ActionFrame.h"
#include "actions/CursorNames.h"
#include "boundary/HostSlots.h"
#include "canvas/ViewProcessor.h"
#include "gfx/codecs/FileSystem.h"
#include "gfx/codecs/PictureFile.h"
#include "ui/Platform.h"

#include <algorithm>

namespace ix::actions {

namespace {

using canvas::State;
using canvas::TPicture;

constexpr gfx::Color kNearWhite = gfx::Color::FromRgb(254, 254, 254);
// How much the drawing area shrinks when a ruler is shown (less than the rulers' sizes).
constexpr int kHorizRulerShrink = 35;
constexpr int kVertRulerShrink = 40;

void SetRulerColor(ui::Ruler& ruler, ui::Panel* corner, std::string_view text)
{
    gfx::Color colour = gfx::colors::Black;
    if (!text.empty()) colour = ColorOr(text, colour);
    ruler.SetColor(colour);
    if (corner != nullptr) corner->SetColor(colour);
}

void SetRulerFont(ui::Ruler& ruler, std::string_view colourText, std::string_view inverted)
{
    if (!colourText.empty()) {
        if (const auto colour = TryReadColor(colourText)) {
            ui::Font font = ruler.Font();
            font.color = *colour;
            ruler.SetFont(font);
        }
    }
    if (const auto on = ReadBoolean(inverted)) ruler.SetInverted(*on);
}

// The drawing area's new width or height for ixCanvasSetSize: at most the size recorded
// at creation, at least 100.
int BoundedSize(std::string_view requested, std::string_view recorded)
{
    const std::int32_t n = ReadIntegerOr(requested, 100);
    const std::int32_t limit = ReadIntegerOr(recorded, 100);
    if (n >= limit) return limit;
    if (n <= 100) return 100;
    return n;
}

void RepaintView(TPicture& c)
{
    c.MainView().Invalidate();
    c.ImageEnView1().Invalidate();
}

} // namespace

bool ExecCanvasCreate(const ActionParams& p) { return canvas::CreateCanvas(Param(p, 0)); }

bool ExecCanvasDelete(const ActionParams& p) { return canvas::DeleteCanvas(Param(p, 0)); }

bool ExecCanvasCreateFile(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::ImageView& view = c.MainView();
        view.SetMinLayerSize(1);
        gfx::Picture& picture = view.CurrentLayer().picture;
        picture.Resize({ReadIntegerOr(Param(p, 1), 1), picture.Height()});
        picture.Resize({picture.Width(), ReadIntegerOr(Param(p, 2), 1)});
        view.Update();
        if (Param(p, 3).empty()) {
            canvas::FillImage(view, gfx::colors::White);
        } else {
            // The near-white marks the background, so that white drawn later stays opaque.
            canvas::FillImage(view, kNearWhite);
            canvas::SetTransparentColors(view, kNearWhite, kNearWhite, ReadIntegerOr(Param(p, 3), 0));
        }
        RepaintView(c);
    });
}

bool ExecCanvasCenter(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        c.MainView().SetCentered(false);
        if (const auto on = ReadBoolean(Param(p, 1))) c.MainView().SetCentered(*on);
    });
}

bool ExecCanvasBackground(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::ImageView& view = c.MainView();
        view.SetBackgroundColor(gfx::colors::Black);
        if (!Param(p, 1).empty()) view.SetBackgroundColor(ColorOr(Param(p, 1), gfx::colors::Black));
        view.SetBackgroundStyle(gfx::BackgroundStyle::Chessboard);
        if (!Param(p, 2).empty())
            if (const auto style = gfx::BackgroundStyleByName(Param(p, 2))) view.SetBackgroundStyle(*style);
    });
}

bool ExecCanvasWallPaper(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::ImageView& view = c.MainView();
        const std::string_view file = Param(p, 1);
        if (!file.empty() && gfx::codecs::FileExists(file)) {
            auto picture = gfx::codecs::LoadPictureFile(file);
            if (!picture) throw gfx::GfxError("wallpaper: not a picture");
            view.SetWallpaper(std::move(*picture));
        }
        view.SetWallpaperStyle(gfx::WallpaperStyle::Normal);
        if (const auto style = gfx::WallpaperStyleByName(Param(p, 2))) view.SetWallpaperStyle(*style);
    });
}

bool ExecCanvasHorizRuler(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        SetRulerColor(c.HorizRuler(), &c.pnl2(), Param(p, 1));
        const auto show = ReadBoolean(Param(p, 2));
        ui::ImageViewHost& view = c.ImageEnView1();
        if (show == true && !c.pnl1().Visible()) {
            c.pnl1().Show();
            view.SetHeight(view.Height() - kHorizRulerShrink);
            RepaintView(c);
        } else if (show == false && c.pnl1().Visible()) {
            c.pnl1().Hide();
            view.SetHeight(view.Height() + kHorizRulerShrink);
            RepaintView(c);
        }
        c.SetSetting(State::SubHorizRuler, std::string(Param(p, 3)));
    });
}

bool ExecCanvasVertRuler(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        SetRulerColor(c.VertRuler(), nullptr, Param(p, 1));
        const auto show = ReadBoolean(Param(p, 2));
        ui::ImageViewHost& view = c.ImageEnView1();
        if (show == true && !c.VertRuler().Visible()) {
            c.VertRuler().Show();
            view.SetWidth(view.Width() - kVertRulerShrink);
            RepaintView(c);
        } else if (show == false && c.VertRuler().Visible()) {
            c.VertRuler().Hide();
            view.SetWidth(view.Width() + kVertRulerShrink);
            RepaintView(c);
        }
        c.SetSetting(State::SubVertRuler, std::string(Param(p, 3)));
    });
}

bool ExecCanvasVRulerFont(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) { SetRulerFont(c.VertRuler(), Param(p, 1), Param(p, 2)); });
}

bool ExecCanvasHRulerFont(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) { SetRulerFont(c.HorizRuler(), Param(p, 1), Param(p, 2)); });
}

bool ExecCanvasGetZoom(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        c.SetSetting(State::NumberZoom, std::string(Param(p, 1)));
        boundary::SetHostVariable(Param(p, 1), FloatText(c.MainView().Zoom()));
    });
}

bool ExecCanvasGrid(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        if (const auto on = ReadBoolean(Param(p, 1))) {
            c.MainView().SetGridVisible(*on);
            RepaintView(c);
        }
    });
}

bool ExecCanvasSetZoom(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) { c.MainView().SetZoom(ReadIntegerOr(Param(p, 1), 100)); });
}

bool ExecCanvasSetCursor(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        if (const auto cursor = CursorByName(Param(p, 1))) {
            c.MainView().SetCursor(*cursor);
            c.ImageEnView1().SetCursor(*cursor);
            ui::ThePlatform().SetCurrentCursor(*cursor);
        }
    });
}

bool ExecCanvasLoadCursor(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        // A file that cannot be loaded empties the slot: views using it show the arrow.
        ui::ThePlatform().LoadCursorFile(1, std::string(Param(p, 1)));
        c.MainView().SetCursor(1);
        c.ImageEnView1().SetCursor(1);
    });
}

bool ExecCanvasCoordinates(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        c.SetSetting(State::VariableX, std::string(Param(p, 1)));
        c.SetSetting(State::VariableY, std::string(Param(p, 2)));
    });
}

bool ExecCanvasFit(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        if (const auto on = ReadBoolean(Param(p, 1))) c.MainView().SetAutoFit(*on);
    });
}

bool ExecCanvasSetSize(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        ui::ImageViewHost& view = c.ImageEnView1();
        const std::string_view keyword = Param(p, 1);
        if (keyword == "Client") {
            view.SetAlign(ui::Align::Client);
            view.SetAlign(ui::Align::Custom);
        } else if (keyword == "Width") {
            view.SetWidth(BoundedSize(Param(p, 2), c.Setting(State::SizeWidth)));
        } else if (keyword == "Height") {
            view.SetHeight(BoundedSize(Param(p, 2), c.Setting(State::SizeHeight)));
        } else {
            return;
        }
        RepaintView(c);
    });
}

bool ExecCanvasColorBack(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        if (Param(p, 1).empty()) return;
        if (const auto colour = TryReadColor(Param(p, 1))) c.SetWindowColor(*colour);
    });
}

bool ExecCanvasIsEmpty(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        const gfx::Picture& picture = c.MainView().CurrentLayer().picture;
        const bool empty = picture.Width() < 2 && picture.Height() < 2;
        boundary::SetHostVariable(Param(p, 1), BooleanText(empty));
    });
}

} // namespace ix::actions
