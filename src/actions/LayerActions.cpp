// The layer actions, ids 96 to 107. Layers are the view's: the actions change the view's
// layer stack and its mouse interaction and report counts and indexes to the host; the
// only layer state the canvas keeps itself is the LayersCurrent setting.
#include "actions/LayerActions.h"

#include "actions/ActionFrame.h"
#include "boundary/HostSlots.h"
#include "canvas/ViewProcessor.h"

namespace ix::actions {

namespace {

using canvas::State;
using canvas::TPicture;

constexpr gfx::MouseInteract kMoveAndResize = gfx::miMoveLayers | gfx::miResizeLayers;
constexpr gfx::MouseInteract kMoveAndRotate = gfx::miMoveLayers | gfx::miRotateLayers;

// Layers were added, removed or merged: the picture size may have changed too.
void LayersRearranged(TPicture& c)
{
    c.MainView().Update();
    c.RefreshView();
}

} // namespace

bool ExecLayersAdd(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::ImageView& view = c.MainView();
        c.SetLoadPsdLayers(true);
        view.Layers().Add();
        canvas::FillImage(view, gfx::colors::White);
        view.SetMouseInteract(kMoveAndResize);
        LayersRearranged(c);
    });
}

bool ExecLayersDelete(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::LayerStack& layers = c.MainView().Layers();
        layers.Remove(layers.CurrentIndex());
        LayersRearranged(c);
    });
}

bool ExecLayersPriority(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        c.SetSetting(State::Tools, "CANCEL");
        c.MainView().SetMouseInteract(kMoveAndResize);
    });
}

bool ExecLayersMove(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        const std::string_view direction = Param(p, 1);
        gfx::LayerStack& layers = c.MainView().Layers();
        if (direction == "Up") {
            layers.MoveCurrentUp();
            c.RefreshView();
        } else if (direction == "Down") {
            layers.MoveCurrentDown();
            c.RefreshView();
        }
    });
}

bool ExecLayersRotate(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        c.SetSetting(State::Tools, "CANCEL");
        c.MainView().SetMouseInteract(kMoveAndRotate);
    });
}

bool ExecLayersVisible(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        if (const auto show = ReadBoolean(Param(p, 1))) {
            c.MainView().CurrentLayer().visible = *show;
            c.RefreshView();
        }
    });
}

bool ExecLayersMergeAll(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::ImageView& view = c.MainView();
        view.Layers().MergeAll(view.BackgroundColor());
        LayersRearranged(c);
    });
}

bool ExecLayersGetCount(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        boundary::SetHostVariable(Param(p, 1), IntegerText(c.MainView().Layers().Count()));
    });
}

bool ExecLayersCurrent(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) { c.SetSetting(State::LayersCurrent, std::string(Param(p, 1))); });
}

bool ExecLayersMerge(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        if (Param(p, 1).empty() || Param(p, 2).empty()) return;
        // An index that names no layer throws, leaving the layers as they were.
        c.MainView().Layers().Merge(ReadIntegerOr(Param(p, 1), 0), ReadIntegerOr(Param(p, 2), 0));
        LayersRearranged(c);
    });
}

bool ExecLayersEffect(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        c.MainView().CurrentLayer().blend = gfx::BlendOpByName(Param(p, 1)).value_or(gfx::BlendOp::Normal);
        c.RefreshView();
    });
}

bool ExecLayersTransparent(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        c.MainView().CurrentLayer().transparency = ReadIntegerOr(Param(p, 1), 255);
        c.RefreshView();
    });
}

} // namespace ix::actions
