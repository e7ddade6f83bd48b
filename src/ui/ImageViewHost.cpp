#include "ui/ImageViewHost.h"

#include "ui/SurfacePainter.h"

namespace ix::ui {

ImageViewHost::ImageViewHost(std::string name) : Control(std::move(name))
{
    SetColor(gfx::colors::White);
    SetSize({100, 100});
}

void ImageViewHost::SetHook(std::unique_ptr<ImageViewHook> hook)
{
    hook_ = std::move(hook);
    if (hook_) hook_->Resized(ClientSize());
    Invalidate();
}

void ImageViewHost::RaiseViewChange()
{
    if (onViewChange) onViewChange(*this);
}

void ImageViewHost::HandleMouseDown(const MouseEvent& e)
{
    if (hook_) hook_->MouseDown(e);
    Control::HandleMouseDown(e);
}

void ImageViewHost::HandleMouseMove(const MouseEvent& e)
{
    if (hook_) hook_->MouseMove(e);
    Control::HandleMouseMove(e);
}

void ImageViewHost::HandleMouseUp(const MouseEvent& e)
{
    if (hook_) hook_->MouseUp(e);
    Control::HandleMouseUp(e);
}

void ImageViewHost::HandleClick()
{
    if (hook_) hook_->Click();
    Control::HandleClick();
}

void ImageViewHost::HandleDoubleClick()
{
    if (hook_) hook_->DoubleClick();
    Control::HandleDoubleClick();
}

void ImageViewHost::Paint(PaintContext& ctx)
{
    if (hook_) {
        hook_->Paint(ctx.surface, gfx::Rect::FromSize(ctx.origin, ClientSize()), ctx.clip);
        return;
    }
    SurfacePainter(ctx).Fill(ClientRect(), Color());
}

void ImageViewHost::BoundsChanged(const gfx::Rect& old)
{
    if (hook_ && old.GetSize() != ClientSize()) hook_->Resized(ClientSize());
}

} // namespace ix::ui
