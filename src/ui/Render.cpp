#include "ui/Render.h"

#include "ui/Control.h"
#include "ui/PaintContext.h"

namespace ix::ui {

void RenderTree(Control& root, gfx::Surface& surface, gfx::Point origin, const gfx::Rect& clip, TextRenderer& text)
{
    const gfx::Rect area = gfx::Rect::FromSize(origin, root.ClientSize()).Intersected(clip).Intersected(surface.Bounds());
    if (area.IsEmpty()) return;
    PaintContext ctx{surface, origin, area, text};
    try {
        root.Paint(ctx);
    } catch (...) {
        // One broken control must not stop the window from painting.
    }
    for (const auto& child : root.Children())
        if (child->Visible()) RenderTree(*child, surface, origin + child->Bounds().TopLeft(), area, text);
}

gfx::Surface RenderToSurface(Control& root, TextRenderer& text)
{
    gfx::Surface s(root.ClientSize(), 0xFF000000u);
    RenderTree(root, s, {0, 0}, s.Bounds(), text);
    return s;
}

} // namespace ix::ui
