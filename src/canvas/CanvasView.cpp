#include "canvas/CanvasView.h"

#include <memory>

namespace ix::canvas {

namespace {

gfx::MouseButton ToView(ui::MouseButton b)
{
    switch (b) {
    case ui::MouseButton::Right: return gfx::MouseButton::Right;
    case ui::MouseButton::Middle: return gfx::MouseButton::Middle;
    case ui::MouseButton::Left: break;
    }
    return gfx::MouseButton::Left;
}

} // namespace

CanvasView::CanvasView(ui::ImageViewHost& host) : host_(host)
{
    view_.SetClientSize(host.ClientSize());
    view_.SetRepaintHandler([this](const gfx::Rect&, bool) { host_.Invalidate(); });
    view_.SetViewChangeHandler([this] { host_.RaiseViewChange(); });
}

gfx::ImageView& CanvasView::Install(ui::ImageViewHost& host)
{
    auto hook = std::make_unique<CanvasView>(host);
    gfx::ImageView& view = hook->View();
    host.SetHook(std::move(hook));
    return view;
}

void CanvasView::Paint(gfx::Surface& surface, const gfx::Rect& area, const gfx::Rect& clip)
{
    const gfx::Point at = area.TopLeft();
    view_.Paint(surface, area, clip.Intersected(area).Translated({-at.x, -at.y}));
}

void CanvasView::MouseDown(const ui::MouseEvent& e)
{
    view_.MouseDown(ToView(e.button), {e.x, e.y});
}

void CanvasView::MouseMove(const ui::MouseEvent& e)
{
    view_.MouseMove({e.x, e.y});
}

void CanvasView::MouseUp(const ui::MouseEvent& e)
{
    view_.MouseUp(ToView(e.button), {e.x, e.y});
}

void CanvasView::Resized(gfx::Size size) { view_.SetClientSize(size); }

} // namespace ix::canvas
