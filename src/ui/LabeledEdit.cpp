#include "ui/LabeledEdit.h"

#include "ui/Label.h"
#include "ui/SurfacePainter.h"

namespace ix::ui {

LabeledEdit::LabeledEdit(std::string name) : Control(std::move(name))
{
    SetColor(gfx::colors::White);
    SetSize({121, 21});
}

LabeledEdit::~LabeledEdit()
{
    // The bound label dies with the edit (unless its parent already destroyed it).
    if (label_ && !labelLife_.expired())
        if (Control* parent = label_->Parent()) parent->Remove(*label_);
}

void LabeledEdit::Attached()
{
    if (label_) return;
    Label& l = Parent()->Add<Label>(Name() + "EditLabel");
    label_ = &l;
    labelLife_ = l.LifeToken();
    l.SetTransparent(true);
    PlaceLabel();
}

void LabeledEdit::SetText(std::string text)
{
    if (maxLength_ > 0 && text.size() > static_cast<std::size_t>(maxLength_)) text.resize(maxLength_);
    if (text == text_) return;
    text_ = std::move(text);
    Invalidate();
}

void LabeledEdit::SetLabelCaption(std::string caption)
{
    if (label_ && !labelLife_.expired()) {
        label_->SetCaption(std::move(caption));
        PlaceLabel();
    }
}

std::string LabeledEdit::LabelCaption() const
{
    return label_ && !labelLife_.expired() ? label_->Caption() : std::string();
}

void LabeledEdit::PlaceLabel()
{
    if (!label_ || labelLife_.expired()) return;
    label_->SetPosition({Left(), Top() - label_->Height() - kLabelSpacing});
    label_->SetVisible(Visible());
    label_->SetEnabled(Enabled());
}

void LabeledEdit::BoundsChanged(const gfx::Rect&)
{
    PlaceLabel();
}

void LabeledEdit::VisibilityChanged()
{
    PlaceLabel();
}

void LabeledEdit::EnabledChanged()
{
    PlaceLabel();
}

void LabeledEdit::Paint(PaintContext& ctx)
{
    SurfacePainter p(ctx);
    p.Fill(ClientRect(), Color());
    p.Frame(ClientRect(), gfx::Color::FromRgb(160, 160, 160));
    const TextMetrics m = p.Measure(Font(), text_);
    p.Text({3, (Height() - m.height) / 2}, Font(), text_);
}

} // namespace ix::ui
