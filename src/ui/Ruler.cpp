#include "ui/Ruler.h"

#include "ui/SurfacePainter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ix::ui {
namespace {

bool Usable(double v)
{
    return std::isfinite(v) && v > 0;
}

} // namespace

Ruler::Ruler(std::string name) : Control(std::move(name))
{
    SetColor(gfx::colors::Gray);
    ui::Font f = Font();
    f.color = gfx::colors::White;
    f.height = 15;
    SetFont(f);
    SetSize({200, 30});
}

std::string Ruler::LabelText(double unit)
{
    if (!std::isfinite(unit)) return {};
    const double rounded = std::round(unit);
    if (std::fabs(unit - rounded) < 1e-9 && std::fabs(rounded) < 1e15) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(rounded));
        return buf;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6g", unit);
    std::string s = buf;
    std::replace(s.begin(), s.end(), ',', '.');
    return s;
}

void Ruler::Paint(PaintContext& ctx)
{
    SurfacePainter p(ctx);
    p.Fill(ClientRect(), Color());
    const bool horizontal = orientation_ == Orientation::Horizontal;
    const int length = horizontal ? Width() : Height();
    const int depth = horizontal ? Height() : Width();
    if (length <= 0 || depth <= 0 || !Usable(dotsPerUnit_) || !std::isfinite(viewPosition_)) return;
    const gfx::Color ink = Font().color;

    // A tick of `size` pixels at pixel offset `at` along the ruler.
    auto tick = [&](int at, int size) {
        const int from = inverted_ ? 0 : depth - size;
        if (horizontal) p.VLine(at, from, from + size, ink);
        else p.HLine(from, from + size, at, ink);
    };
    auto walk = [&](double frequency, auto&& each) {
        if (!Usable(frequency) || frequency * dotsPerUnit_ < 2.0) return;
        const double firstIndex = std::ceil(viewPosition_ / frequency);
        const double lastIndex = std::floor((viewPosition_ + length / dotsPerUnit_) / frequency);
        if (!std::isfinite(firstIndex) || !std::isfinite(lastIndex) || lastIndex - firstIndex > length) return;
        // Count with an integer: near huge positions k + 1 == k in doubles.
        const long long count = static_cast<long long>(lastIndex - firstIndex);
        for (long long i = 0; i <= count; ++i) {
            const double unit = (firstIndex + static_cast<double>(i)) * frequency;
            const double px = std::floor(PixelOf(unit));
            if (px < -1 || px > length) continue;
            each(unit, static_cast<int>(px));
        }
    };

    walk(tickFrequency_, [&](double, int at) { tick(at, std::max(1, depth / 4)); });
    walk(labelFrequency_, [&](double unit, int at) {
        tick(at, std::max(1, depth / 2));
        const std::string text = LabelText(unit);
        const TextMetrics m = p.Measure(Font(), text);
        if (horizontal) p.Text({at + 2, inverted_ ? depth - m.height : 0}, Font(), text);
        else p.Text({inverted_ ? depth - m.width - 1 : 1, at + 1}, Font(), text);
    });

    const int gripHeight = std::min(std::max(0, maxGripHeight_), depth);
    for (double g : grips_) {
        if (!std::isfinite(g)) continue;
        const double px = PixelOf(g);
        if (px < -gripBase_ - 1 || px > length + gripBase_ + 1) continue;
        const int at = static_cast<int>(std::floor(px));
        for (int row = 0; row < gripHeight; ++row) {
            // Row 0 is the point at the ruler's inner edge; the base is gripHeight away.
            const int half = gripHeight > 1 ? gripBase_ * row / (gripHeight - 1) : gripBase_;
            const int y = inverted_ ? row : depth - 1 - row;
            if (horizontal) p.HLine(at - half, at + half + 1, y, ink);
            else p.VLine(y, at - half, at + half + 1, ink);
        }
    }
}

} // namespace ix::ui
