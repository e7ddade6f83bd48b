#include "ui/Button.h"

#include "ui/Form.h"
#include "ui/SurfacePainter.h"

namespace ix::ui {
namespace {

void CentredCaption(SurfacePainter& p, const Control& c)
{
    if (c.Caption().empty()) return;
    const TextMetrics m = p.Measure(c.Font(), c.Caption());
    p.Text({(c.Width() - m.width) / 2, (c.Height() - m.height) / 2}, c.Font(), c.Caption());
}

} // namespace

Button::Button(std::string name) : Control(std::move(name))
{
    SetSize({75, 25});
}

void Button::HandleClick()
{
    if (result_ != ModalResult::None)
        if (auto* form = dynamic_cast<Form*>(&Root())) form->SetModalResult(result_);
    Control::HandleClick();
}

void Button::Paint(PaintContext& ctx)
{
    SurfacePainter p(ctx);
    p.Fill(ClientRect(), Color());
    p.Frame(ClientRect(), default_ ? gfx::colors::Black : gfx::Color::FromRgb(173, 173, 173));
    CentredCaption(p, *this);
}

SpeedButton::SpeedButton(std::string name) : Control(std::move(name))
{
    SetSize({26, 24});
}

void SpeedButton::Paint(PaintContext& ctx)
{
    SurfacePainter p(ctx);
    p.Fill(ClientRect(), Color());
    if (!flat_) p.Frame(ClientRect(), gfx::Color::FromRgb(173, 173, 173));
    if (!glyph_.IsEmpty()) {
        const gfx::Point at{(Width() - glyph_.Width()) / 2, (Height() - glyph_.Height()) / 2};
        p.DrawPicture(glyph_, gfx::Rect::FromSize(at, glyph_.GetSize()));
    }
    CentredCaption(p, *this);
}

} // namespace ix::ui
