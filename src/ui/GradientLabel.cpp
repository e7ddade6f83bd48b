#include "ui/GradientLabel.h"

#include "ui/SurfacePainter.h"

namespace ix::ui {

GradientLabel::GradientLabel(std::string name) : Control(std::move(name))
{
    SetSize({145, 25});
}

void GradientLabel::Paint(PaintContext& ctx)
{
    SurfacePainter p(ctx);
    const gfx::Rect r = ClientRect();
    p.HorizontalGradient(r, start_, end_, radius_);
    p.FrameRoundRect(r, radius_, border_, 1);
    if (!Caption().empty()) {
        const TextMetrics m = p.Measure(Font(), Caption());
        p.Text({6, (Height() - m.height) / 2}, Font(), Caption());
    }
}

} // namespace ix::ui
