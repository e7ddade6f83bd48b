// The file actions, ids 108 to 111. Loading goes into the main view's current layer (or,
// for a Photoshop file once layers are in use, replaces the layers); the view's own
// settings (centring, zoom, background) stay as they are. The merged save composes every
// visible layer over the view's background colour onto a temporary picture that covers
// all layers, and writes that.
#include "actions/FileActions.h"

#include "actions/ActionFrame.h"
#include "gfx/Compose.h"
#include "gfx/codecs/Codecs.h"
#include "gfx/codecs/FileSystem.h"
#include "gfx/codecs/PictureFile.h"
#include "gfx/codecs/PsdCodec.h"

#include <utility>
#include <vector>

namespace ix::actions {

namespace {

using canvas::TPicture;

// Replaces every layer of the main view with `layers` (not empty), `current` becoming
// the current one (the top layer when it names none).
void ReplaceLayers(TPicture& c, std::vector<gfx::Layer> layers, int current)
{
    gfx::LayerStack& stack = c.MainView().Layers();
    stack.Reset(gfx::Picture());
    stack.At(0) = std::move(layers.front());
    for (std::size_t i = 1; i < layers.size(); ++i) stack.Add(std::move(layers[i]));
    stack.SetCurrentIndex(current >= 0 && current < stack.Count() ? current : stack.Count() - 1);
}

// The picture size or the layers changed: the view re-reads its size (dropping a
// selection made for another size) and shows the change.
void ShowNewContent(TPicture& c)
{
    c.MainView().InvalidateLayers();
    c.MainView().Update();
    c.RefreshView();
}

} // namespace

bool ExecCanvasLoadFile(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        const std::string_view file = Param(p, 1);
        if (!gfx::codecs::FileExists(file)) return;
        const gfx::codecs::Bytes bytes = gfx::codecs::ReadWholeFile(file);
        const gfx::codecs::Codec* codec = gfx::codecs::CodecForContent(bytes);
        if (codec == nullptr) return; // not a picture we know: nothing changes
        if (c.LoadPsdLayers() && codec->Kind() == gfx::codecs::Format::Psd) {
            std::vector<gfx::Layer> layers = gfx::codecs::DecodePsdLayers(bytes, gfx::codecs::DecodeLimits{});
            if (layers.empty()) return;
            ReplaceLayers(c, std::move(layers), -1);
        } else {
            auto picture = gfx::codecs::DecodePicture(bytes);
            if (!picture) return;
            gfx::Layer& layer = c.MainView().CurrentLayer();
            layer.picture = std::move(*picture);
            // The new picture shows at its own size, not squeezed into the old one's.
            layer.displayWidth = 0;
            layer.displayHeight = 0;
        }
        ShowNewContent(c);
    });
}

bool ExecLayersLoadFile(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        const std::string_view file = Param(p, 1);
        if (!gfx::codecs::FileExists(file)) return;
        auto document = gfx::codecs::LoadLayerFile(file);
        if (!document || document->layers.empty()) return; // no layer-file signature
        ReplaceLayers(c, std::move(document->layers), document->currentIndex);
        ShowNewContent(c);
    });
}

bool ExecCanvasSaveFile(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        // False means no codec writes that extension: nothing was written, which is not a
        // failure of the action.
        static_cast<void>(gfx::codecs::SavePictureFile(Param(p, 1), c.MainView().CurrentLayer().picture));
    });
}

bool ExecSaveFileMergeLayers(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::ImageView& view = c.MainView();
        // The composition lives only in this scope: released on every way out.
        const gfx::Picture merged = gfx::ComposeAll(view.Layers(), view.BackgroundColor());
        view.Refresh();
        static_cast<void>(gfx::codecs::SavePictureFile(Param(p, 1), merged));
    });
}

} // namespace ix::actions
