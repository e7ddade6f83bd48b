#include "ui/GradientBox.h"

#include "ui/SurfacePainter.h"

namespace ix::ui {

GradientBox::GradientBox(std::string name) : Control(std::move(name))
{
    SetSize({123, 123});
}

void GradientBox::Paint(PaintContext& ctx)
{
    SurfacePainter p(ctx);
    if (direction_ == GradientDirection::Horizontal) p.HorizontalGradient(ClientRect(), start_, end_);
    else p.VerticalGradient(ClientRect(), start_, end_);
}

} // namespace ix::ui
