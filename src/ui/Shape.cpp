#include "ui/Shape.h"

#include "ui/SurfacePainter.h"

#include <algorithm>

namespace ix::ui {

Shape::Shape(std::string name) : Control(std::move(name))
{
    SetColor(gfx::colors::White);
    SetSize({65, 65});
}

void Shape::Paint(PaintContext& ctx)
{
    SurfacePainter p(ctx);
    const gfx::Rect r = ClientRect();
    const int radius = std::min(Width(), Height()) / 4;
    switch (kind_) {
    case ShapeKind::Rectangle:
        if (!brushClear_) p.Fill(r, Color());
        p.Frame(r, penColor_, penWidth_);
        break;
    case ShapeKind::RoundRect:
        if (!brushClear_) p.FillRoundRect(r, radius, Color());
        if (penWidth_ > 0) p.FrameRoundRect(r, radius, penColor_, penWidth_);
        break;
    case ShapeKind::Ellipse:
        if (!brushClear_) p.FillEllipse(r, Color());
        if (penWidth_ > 0) p.FrameEllipse(r, penColor_, penWidth_);
        break;
    }
}

} // namespace ix::ui
