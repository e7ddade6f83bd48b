// CanvasView: an image view put into a toolkit image-view control.
//
// The toolkit's ImageViewHost knows nothing about image views; this hook owns the view
// model (gfx::ImageView) and connects the two: the control's client size, painting and
// mouse input go to the view, and the view's repaint requests and zoom or scroll changes
// go back to the control (Invalidate, RaiseViewChange). The control then raises its own
// events, which the canvas window's handlers use.
#pragma once

#include "gfx/view/ImageView.h"
#include "ui/ImageViewHost.h"

namespace ix::canvas {

class CanvasView final : public ui::ImageViewHook {
public:
    explicit CanvasView(ui::ImageViewHost& host);

    gfx::ImageView& View() { return view_; }
    const gfx::ImageView& View() const { return view_; }

    // Puts a new hook with a fresh view into `host` and returns the view.
    static gfx::ImageView& Install(ui::ImageViewHost& host);

    void Paint(gfx::Surface& surface, const gfx::Rect& area, const gfx::Rect& clip) override;
    void MouseDown(const ui::MouseEvent& e) override;
    void MouseMove(const ui::MouseEvent& e) override;
    void MouseUp(const ui::MouseEvent& e) override;
    void DoubleClick() override {}
    void Resized(gfx::Size size) override;

private:
    ui::ImageViewHost& host_;
    gfx::ImageView view_;
};

} // namespace ix::canvas
