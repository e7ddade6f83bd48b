#include "ui/Panel.h"

#include "ui/SurfacePainter.h"

namespace ix::ui {

Panel::Panel(std::string name) : Control(std::move(name))
{
    SetSize({185, 41});
}

void Panel::Paint(PaintContext& ctx)
{
    SurfacePainter p(ctx);
    const gfx::Rect r = ClientRect();
    p.Fill(r, Color());
    if (bevel_ != Bevel::None && !r.IsEmpty()) {
        const gfx::Color light = gfx::colors::White, dark = gfx::Color::FromRgb(160, 160, 160);
        const gfx::Color tl = bevel_ == Bevel::Raised ? light : dark, br = bevel_ == Bevel::Raised ? dark : light;
        p.HLine(r.left, r.right, r.top, tl);
        p.VLine(r.left, r.top, r.bottom, tl);
        p.HLine(r.left, r.right, r.bottom - 1, br);
        p.VLine(r.right - 1, r.top, r.bottom, br);
    }
    if (!Caption().empty()) {
        const TextMetrics m = p.Measure(Font(), Caption());
        p.Text({(Width() - m.width) / 2, (Height() - m.height) / 2}, Font(), Caption());
    }
}

} // namespace ix::ui
