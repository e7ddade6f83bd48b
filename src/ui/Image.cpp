#include "ui/Image.h"

#include "ui/SurfacePainter.h"

namespace ix::ui {

Image::Image(std::string name) : Control(std::move(name))
{
    SetSize({105, 105});
}

void Image::Paint(PaintContext& ctx)
{
    if (picture_.IsEmpty()) return;
    SurfacePainter p(ctx);
    if (stretch_) {
        p.DrawPicture(picture_, ClientRect());
        return;
    }
    gfx::Point at;
    if (center_) at = {(Width() - picture_.Width()) / 2, (Height() - picture_.Height()) / 2};
    p.DrawPicture(picture_, gfx::Rect::FromSize(at, picture_.GetSize()));
}

} // namespace ix::ui
