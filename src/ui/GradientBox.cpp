#include "ui/GradientBox.h"

#include "gfx/GfxError.h"
#include "ui/SurfacePainter.h"

namespace ix::ui {

GradientBox::GradientBox(std::string name) : Control(std::move(name))
{
    gradient_.SetBeginColor(gfx::colors::Yellow);
    gradient_.SetEndColor(gfx::colors::Fuchsia);
    SetSize({123, 123});
}

void GradientBox::SetBeginColor(gfx::Color c)
{
    gradient_.SetBeginColor(c);
    Invalidate();
}

void GradientBox::SetEndColor(gfx::Color c)
{
    gradient_.SetEndColor(c);
    Invalidate();
}

void GradientBox::SetStyle(gfx::GradientStyle s)
{
    gradient_.SetStyle(s);
    Invalidate();
}

void GradientBox::BoundsChanged(const gfx::Rect&)
{
    try {
        gradient_.SetSize(ClientSize());
    } catch (const gfx::GfxError&) {
        // Too large for a picture: keep the last one (painted clipped).
    }
}

void GradientBox::Paint(PaintContext& ctx)
{
    const gfx::Picture& image = gradient_.Image();
    SurfacePainter(ctx).DrawPicture(image, gfx::Rect::FromSize(image.GetSize()));
}

} // namespace ix::ui
