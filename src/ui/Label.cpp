#include "ui/Label.h"

#include "ui/Platform.h"
#include "ui/SurfacePainter.h"
#include "ui/text/TextLayout.h"

#include <algorithm>

namespace ix::ui {

Label::Label(std::string name) : Control(std::move(name))
{
    SetSize({0, 0});
    Fit();
}

void Label::SetWordWrap(bool v)
{
    wordWrap_ = v;
    Fit();
    Invalidate();
}

void Label::SetAutoSize(bool v)
{
    autoSize_ = v;
    Fit();
}

void Label::Fit()
{
    if (!autoSize_) return;
    TextRenderer& text = ThePlatform().Text();
    const auto lines = BreakLines(text, Font(), Caption(), wordWrap_ ? Width() : 0);
    int w = 0, lineHeight = text.Measure(Font(), "").height;
    for (const auto& l : lines) w = std::max(w, text.Measure(Font(), l).width);
    const int h = lineHeight * static_cast<int>(lines.size());
    if (wordWrap_) SetHeight(h);
    else SetSize({w, h});
}

void Label::Paint(PaintContext& ctx)
{
    SurfacePainter p(ctx);
    if (!transparent_) p.Fill(ClientRect(), Color());
    const auto lines = BreakLines(ctx.text, Font(), Caption(), wordWrap_ ? Width() : 0);
    int y = 0;
    for (const auto& l : lines) {
        const TextMetrics m = ctx.text.Measure(Font(), l);
        int x = 0;
        if (textAlign_ == TextAlign::Center) x = (Width() - m.width) / 2;
        else if (textAlign_ == TextAlign::Right) x = Width() - m.width;
        p.Text({x, y}, Font(), l);
        y += m.height;
        if (y >= Height()) break;
    }
}

} // namespace ix::ui
