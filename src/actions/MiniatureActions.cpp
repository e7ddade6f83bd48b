// The miniature actions, ids 64 to 70.
#include "actions/MiniatureActions.h"

#include "actions/ActionFrame.h"
#include "actions/SelectionPicture.h"
#include "gfx/GfxError.h"
#include "gfx/Painter.h"
#include "gfx/codecs/FileSystem.h"
#include "gfx/codecs/PictureFile.h"

namespace ix::actions {

namespace {

using canvas::TPicture;

constexpr int kDefaultMiniatureWidth = 185;
constexpr int kDefaultMiniatureHeight = 150;

canvas::State SubroutineLabel(int n)
{
    return static_cast<canvas::State>(static_cast<int>(canvas::State::SubMiniature1) + (n - 1));
}

// Puts a picture into a miniature: it replaces the stored one and the view fits it anew.
void StorePicture(TPicture& c, int n, gfx::Picture picture)
{
    gfx::ImageView& mini = c.MiniatureView(n);
    mini.Layers().At(0).picture = std::move(picture);
    mini.Update();
    mini.InvalidateLayers();
    mini.Refresh();
}

// Runs `work(canvas, n)` for the miniature named by parameter 2; another name does nothing.
template <typename Work>
bool OnMiniature(const ActionParams& p, Work&& work)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        if (const auto n = MiniatureNumber(Param(p, 1))) work(c, *n);
    });
}

} // namespace

std::optional<int> MiniatureNumber(std::string_view name)
{
    constexpr std::string_view prefix = "Miniature";
    if (name.size() != prefix.size() + 1 || name.substr(0, prefix.size()) != prefix) return std::nullopt;
    const char digit = name.back();
    if (digit < '1' || digit > '5') return std::nullopt;
    return digit - '0';
}

bool ExecCanvasMiniatureSelSave(const ActionParams& p)
{
    return OnMiniature(p, [](TPicture& c, int n) {
        gfx::ImageView& main = c.MainView();
        StorePicture(c, n, SelectedPicture(main, main.BackgroundColor()));
        c.MiniatureView(n).SetBackgroundColor(main.BackgroundColor());
        c.MiniatureView(n).Refresh();
    });
}

bool ExecCanvasMiniatureExtract(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        const auto n = MiniatureNumber(Param(p, 1));
        if (!n) return; // with or without a selection, an unknown miniature draws nothing
        gfx::ImageView& main = c.MainView();
        const gfx::Picture& stored = c.MiniatureView(*n).Layers().At(0).picture;
        if (main.HasSelection()) {
            // The stored picture covers the selection's whole bounding box, its last
            // column and row included.
            if (stored.IsEmpty()) return;
            gfx::Layer& layer = main.CurrentLayer();
            const gfx::Rect box = main.SelectionMask().Box().Translated({-layer.posX, -layer.posY});
            gfx::Painter(layer.picture).StretchDraw(box, stored);
            main.InvalidateLayers();
            main.Refresh();
            return;
        }
        main.CurrentLayer().picture = stored;
        main.SetBackgroundColor(c.MiniatureView(*n).BackgroundColor());
        main.Update();
        main.InvalidateLayers();
        main.Refresh();
    });
}

bool ExecCanvasMiniatureSize(const ActionParams& p)
{
    return OnMiniature(p, [&](TPicture& c, int n) {
        ui::ImageViewHost& mini = c.TMPImageEn(n);
        mini.SetWidth(ReadIntegerOr(Param(p, 2), kDefaultMiniatureWidth));
        mini.SetHeight(ReadIntegerOr(Param(p, 3), kDefaultMiniatureHeight));
    });
}

bool ExecCanvasMiniatureVisible(const ActionParams& p)
{
    return OnMiniature(p, [&](TPicture& c, int n) {
        const auto on = ReadBoolean(Param(p, 2));
        if (!on) return;
        ui::ImageViewHost& mini = c.TMPImageEn(n);
        if (*on) {
            mini.Show();
            mini.BringToFront();
        } else {
            mini.Hide();
            mini.SendToBack();
        }
    });
}

bool ExecCanvasMiniatureLabel(const ActionParams& p)
{
    return OnMiniature(p, [&](TPicture& c, int n) { c.LabelMiniature(n).SetCaption(std::string(Param(p, 2))); });
}

bool ExecCanvasMiniatureSub(const ActionParams& p)
{
    return OnMiniature(p, [&](TPicture& c, int n) { c.SetSetting(SubroutineLabel(n), std::string(Param(p, 2))); });
}

bool ExecCanvasMiniatureFile(const ActionParams& p)
{
    return OnMiniature(p, [&](TPicture& c, int n) {
        const std::string_view file = Param(p, 2);
        if (file.empty() || !gfx::codecs::FileExists(file)) return;
        auto picture = gfx::codecs::LoadPictureFile(file);
        if (!picture) throw gfx::GfxError("miniature: not a picture");
        StorePicture(c, n, std::move(*picture));
    });
}

} // namespace ix::actions
