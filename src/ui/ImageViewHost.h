// ImageViewHost: the control that carries an image view.
//
// The toolkit knows nothing about image views: the canvas layer implements ImageViewHook
// with the real view and installs it. The host forwards painting (the control's area on
// the surface and the clip), mouse input in client coordinates, clicks, double-clicks and
// resizes to the hook first, then raises the control's own events (onMouseDown, onClick,
// ...), which the canvas's handlers use. The view calls RaiseViewChange when its zoom or
// scroll position changes; that runs onViewChange. Without a hook the control is filled
// with its colour.
#pragma once

#include "ui/Control.h"

#include <functional>
#include <memory>

namespace ix::ui {

class ImageViewHook {
public:
    virtual ~ImageViewHook() = default;
    // Paint the view into `area` (the control's client rectangle on the surface), touching
    // only pixels inside `clip`.
    virtual void Paint(gfx::Surface& surface, const gfx::Rect& area, const gfx::Rect& clip) = 0;
    virtual void MouseDown(const MouseEvent&) {}
    virtual void MouseMove(const MouseEvent&) {}
    virtual void MouseUp(const MouseEvent&) {}
    virtual void Click() {}
    virtual void DoubleClick() {}
    virtual void Resized(gfx::Size) {}
};

class ImageViewHost : public Control {
public:
    explicit ImageViewHost(std::string name = {});
    const char* TypeName() const override { return "ImageView"; }

    void SetHook(std::unique_ptr<ImageViewHook> hook);
    ImageViewHook* Hook() const { return hook_.get(); }

    NotifyHandler onViewChange;
    void RaiseViewChange();

    void HandleMouseDown(const MouseEvent& e) override;
    void HandleMouseMove(const MouseEvent& e) override;
    void HandleMouseUp(const MouseEvent& e) override;
    void HandleClick() override;
    void HandleDoubleClick() override;
    void Paint(PaintContext& ctx) override;

protected:
    void BoundsChanged(const gfx::Rect& old) override;

private:
    std::unique_ptr<ImageViewHook> hook_;
};

} // namespace ix::ui
