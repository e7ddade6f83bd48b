#include "ui/SpinEdit.h"

#include "ui/SurfacePainter.h"

#include <algorithm>
#include <limits>

namespace ix::ui {

SpinEdit::SpinEdit(std::string name) : Control(std::move(name))
{
    SetColor(gfx::colors::White);
    SetSize({121, 22});
}

std::optional<int> SpinEdit::ParseInteger(const std::string& text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        v = v * 10 + (text[i] - '0');
        if (v > 1LL + std::numeric_limits<int>::max()) return std::nullopt;
    }
    if (negative) v = -v;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(v);
}

int SpinEdit::Clamp(long long v) const
{
    const long long hi = std::max(min_, max_);
    return static_cast<int>(std::clamp<long long>(v, min_, hi));
}

void SpinEdit::SetMinValue(int v)
{
    min_ = v;
    Invalidate();
}

void SpinEdit::SetMaxValue(int v)
{
    max_ = v;
    Invalidate();
}

void SpinEdit::SetRange(int min, int max)
{
    min_ = min;
    max_ = max;
    Invalidate();
}

int SpinEdit::Value() const
{
    const auto v = ParseInteger(text_);
    return v ? Clamp(*v) : min_;
}

void SpinEdit::SetValue(int v)
{
    text_ = std::to_string(Clamp(v));
    Invalidate();
}

void SpinEdit::Commit()
{
    if (const auto v = ParseInteger(text_); v && Clamp(*v) != *v) SetValue(*v);
}

void SpinEdit::SetText(std::string text)
{
    if (maxLength_ > 0 && text.size() > static_cast<std::size_t>(maxLength_)) text.resize(maxLength_);
    text_ = std::move(text);
    Invalidate();
}

void SpinEdit::HandleMouseDown(const MouseEvent& e)
{
    const int arrows = std::min(16, Width());
    if (e.button == MouseButton::Left && e.x >= Width() - arrows && e.x < Width() && e.y >= 0 && e.y < Height())
        SetValue(Clamp(static_cast<long long>(Value()) + (e.y < Height() / 2 ? 1 : -1)));
    Control::HandleMouseDown(e);
}

void SpinEdit::Paint(PaintContext& ctx)
{
    SurfacePainter p(ctx);
    const gfx::Color edge = gfx::Color::FromRgb(160, 160, 160);
    p.Fill(ClientRect(), Color());
    p.Frame(ClientRect(), edge);
    const int arrows = std::min(16, Width());
    const gfx::Rect box{Width() - arrows, 0, Width(), Height()};
    p.Fill(box, kButtonFace);
    p.Frame(box, edge);
    p.HLine(box.left, box.right, Height() / 2, edge);
    const int cx = box.left + arrows / 2;
    for (int i = 0; i < 3; ++i) {
        p.HLine(cx - i, cx + i + 1, Height() / 4 - 1 + i, gfx::colors::Black);
        p.HLine(cx - i, cx + i + 1, Height() * 3 / 4 + 1 - i, gfx::colors::Black);
    }
    const TextMetrics m = p.Measure(Font(), text_);
    p.Text({3, (Height() - m.height) / 2}, Font(), text_);
}

} // namespace ix::ui
