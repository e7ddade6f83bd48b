#include "ui/ComboBox.h"

#include "ui/SurfacePainter.h"

namespace ix::ui {

ComboBox::ComboBox(std::string name) : Control(std::move(name))
{
    SetColor(gfx::colors::White);
    SetSize({145, 21});
}

void ComboBox::SetItems(std::vector<std::string> items)
{
    items_ = std::move(items);
    index_ = -1;
    Invalidate();
}

void ComboBox::AddItem(std::string item)
{
    items_.push_back(std::move(item));
}

void ComboBox::ClearItems()
{
    items_.clear();
    index_ = -1;
    Invalidate();
}

void ComboBox::SetItemIndex(int index)
{
    const int next = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    if (next == index_) return;
    index_ = next;
    Invalidate();
    if (onChange) onChange(*this);
}

int ComboBox::IndexOf(const std::string& text) const
{
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == text) return static_cast<int>(i);
    return -1;
}

std::string ComboBox::Text() const
{
    return index_ >= 0 ? items_[static_cast<std::size_t>(index_)] : std::string();
}

void ComboBox::SetText(std::string text)
{
    SetItemIndex(IndexOf(text));
}

void ComboBox::Paint(PaintContext& ctx)
{
    SurfacePainter p(ctx);
    const gfx::Color edge = gfx::Color::FromRgb(160, 160, 160);
    p.Fill(ClientRect(), Color());
    p.Frame(ClientRect(), edge);
    const int button = Height() > 2 ? Height() - 2 : 0;
    const gfx::Rect arrow{Width() - 1 - button, 1, Width() - 1, Height() - 1};
    p.Fill(arrow, kButtonFace);
    // A small downward triangle in the middle of the button.
    const int cx = arrow.left + arrow.Width() / 2, cy = Height() / 2 - 1;
    for (int i = 0; i < 4; ++i) p.HLine(cx - 3 + i, cx + 4 - i, cy + i, gfx::colors::Black);
    const std::string text = Text();
    const TextMetrics m = p.Measure(Font(), text);
    p.Text({3, (Height() - m.height) / 2}, Font(), text);
}

} // namespace ix::ui
