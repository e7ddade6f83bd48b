#include "gfx/view/ViewScaler.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ix::gfx {

namespace {

// Premultiplied p over opaque backdrop b.
inline std::uint32_t Over(std::uint32_t p, std::uint32_t b)
{
    const std::uint32_t a = p >> 24;
    if (a == 255) return p;
    if (a == 0) return b;
    const std::uint32_t na = 255 - a;
    const std::uint32_t rb = (b & 0x00FF00FFu) * na;
    const std::uint32_t g = (b & 0x0000FF00u) * na;
    // Division by 255 through (v + 128 + ((v + 128) >> 8)) >> 8, per lane.
    const std::uint32_t rb2 = ((rb + 0x00800080u + ((rb + 0x00800080u) >> 8 & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    const std::uint32_t g2 = ((g + 0x00008000u + ((g + 0x00008000u) >> 8 & 0x0000FF00u)) >> 8) & 0x0000FF00u;
    return 0xFF000000u | ((p & 0x00FFFFFFu) + rb2 + g2);
}

std::int64_t FloorDiv(double v) { return static_cast<std::int64_t>(std::floor(v)); }

void Magnify(const LayerComposer& composer, Point origin, double f, const Rect& rect, const ScaleTarget& t)
{
    const Rect area = composer.Area();
    const int n = rect.Width();
    std::vector<int> xmap(static_cast<std::size_t>(n));
    int first = n, last = 0; // columns inside the composition
    for (int i = 0; i < n; ++i) {
        const std::int64_t px = FloorDiv((rect.left + i - origin.x) / f);
        const bool in = px >= area.left && px < area.right;
        xmap[static_cast<std::size_t>(i)] = in ? static_cast<int>(px - area.left) : -1;
        if (in) {
            first = std::min(first, i);
            last = i + 1;
        }
    }
    std::int64_t previousRow = INT64_MIN;
    const std::uint32_t* previous = nullptr; // last row computed, when fully opaque
    for (int y = rect.top; y < rect.bottom; ++y) {
        std::uint32_t* out = t.pixels + static_cast<std::size_t>(y) * t.client.width + rect.left;
        const std::uint32_t* back = t.backdrop + static_cast<std::size_t>(y) * t.client.width + rect.left;
        const std::int64_t py = FloorDiv((y - origin.y) / f);
        if (py < area.top || py >= area.bottom || first >= last) {
            std::memcpy(out, back, static_cast<std::size_t>(n) * 4);
            previous = nullptr;
            continue;
        }
        // Screen rows showing the same opaque picture row are equal: copy the last one.
        if (previous && py == previousRow) {
            std::memcpy(out, previous, static_cast<std::size_t>(n) * 4);
            continue;
        }
        const std::uint32_t* src = composer.Row(static_cast<int>(py));
        bool opaque = first == 0 && last == n;
        for (int i = 0; i < first; ++i) out[i] = back[i];
        for (int i = last; i < n; ++i) out[i] = back[i];
        int i = first;
        while (i < last) {
            const int sx = xmap[static_cast<std::size_t>(i)];
            const std::uint32_t p = src[sx];
            int j = i + 1;
            while (j < last && xmap[static_cast<std::size_t>(j)] == sx) ++j;
            if ((p >> 24) == 255) {
                std::fill(out + i, out + j, p);
            } else {
                opaque = false;
                for (int k = i; k < j; ++k) out[k] = Over(p, back[k]);
            }
            i = j;
        }
        previous = opaque ? out : nullptr;
        previousRow = py;
    }
}

void Reduce(const LayerComposer& composer, Point origin, double f, const Rect& rect, const ScaleTarget& t)
{
    const Rect area = composer.Area();
    const int n = rect.Width();
    const double inv = 1.0 / f;
    // At extreme reductions only a grid of about 128 samples per box side is read.
    const std::int64_t step = static_cast<std::int64_t>(std::clamp(inv / 128, 1.0, 1e9));
    struct Column {
        int from, to;   // clipped sample range inside the area, relative to area.left
        int samples;    // sample count of the whole box
    };
    std::vector<Column> cols(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const std::int64_t s0 = FloorDiv((rect.left + i - origin.x) * inv);
        const std::int64_t s1 = std::max(s0 + 1, FloorDiv((rect.left + i + 1 - origin.x) * inv));
        Column c{0, 0, static_cast<int>(std::min<std::int64_t>(1 << 20, (s1 - s0 + step - 1) / step))};
        // First sample at or after the area's left edge on the step grid from s0.
        std::int64_t a = s0;
        if (a < area.left) a += (area.left - a + step - 1) / step * step;
        const std::int64_t b = std::min<std::int64_t>(s1, area.right);
        if (a < b) {
            c.from = static_cast<int>(a - area.left);
            c.to = static_cast<int>(b - area.left);
        }
        cols[static_cast<std::size_t>(i)] = c;
    }
    std::vector<std::uint32_t> sb(static_cast<std::size_t>(n)), sg(static_cast<std::size_t>(n)),
        sr(static_cast<std::size_t>(n)), sa(static_cast<std::size_t>(n));
    for (int y = rect.top; y < rect.bottom; ++y) {
        std::uint32_t* out = t.pixels + static_cast<std::size_t>(y) * t.client.width + rect.left;
        const std::uint32_t* back = t.backdrop + static_cast<std::size_t>(y) * t.client.width + rect.left;
        const std::int64_t s0 = FloorDiv((y - origin.y) * inv);
        const std::int64_t s1 = std::max(s0 + 1, FloorDiv((y + 1 - origin.y) * inv));
        const int rows = static_cast<int>(std::min<std::int64_t>(1 << 20, (s1 - s0 + step - 1) / step));
        std::int64_t r0 = s0;
        if (r0 < area.top) r0 += (area.top - r0 + step - 1) / step * step;
        const std::int64_t r1 = std::min<std::int64_t>(s1, area.bottom);
        if (r0 >= r1) {
            std::memcpy(out, back, static_cast<std::size_t>(n) * 4);
            continue;
        }
        std::fill(sb.begin(), sb.end(), 0u);
        std::fill(sg.begin(), sg.end(), 0u);
        std::fill(sr.begin(), sr.end(), 0u);
        std::fill(sa.begin(), sa.end(), 0u);
        for (std::int64_t sy = r0; sy < r1; sy += step) {
            const std::uint32_t* src = composer.Row(static_cast<int>(sy));
            for (int i = 0; i < n; ++i) {
                const Column c = cols[static_cast<std::size_t>(i)];
                std::uint32_t b = 0, g = 0, r = 0, a = 0;
                for (std::int64_t sx = c.from; sx < c.to; sx += step) {
                    const std::uint32_t p = src[sx];
                    b += p & 0xFF;
                    g += p >> 8 & 0xFF;
                    r += p >> 16 & 0xFF;
                    a += p >> 24;
                }
                sb[static_cast<std::size_t>(i)] += b;
                sg[static_cast<std::size_t>(i)] += g;
                sr[static_cast<std::size_t>(i)] += r;
                sa[static_cast<std::size_t>(i)] += a;
            }
        }
        for (int i = 0; i < n; ++i) {
            const std::uint64_t count = static_cast<std::uint64_t>(cols[static_cast<std::size_t>(i)].samples) * rows;
            // Rounded division by count through a 32.32 reciprocal.
            const std::uint64_t recip = (std::uint64_t{1} << 32) / count;
            const auto avg = [&](std::uint32_t s) {
                return static_cast<std::uint32_t>(std::min<std::uint64_t>(255, ((s + count / 2) * recip) >> 32));
            };
            const std::uint32_t a = avg(sa[static_cast<std::size_t>(i)]);
            const std::uint32_t p = a << 24 | std::min(a, avg(sr[static_cast<std::size_t>(i)])) << 16 |
                                    std::min(a, avg(sg[static_cast<std::size_t>(i)])) << 8 |
                                    std::min(a, avg(sb[static_cast<std::size_t>(i)]));
            out[i] = Over(p, back[i]);
        }
    }
}

} // namespace

void ScaleComposition(const LayerComposer& composer, Point origin, double factor, const Rect& screenRect,
                      const ScaleTarget& target)
{
    const Rect rect = screenRect.Intersected(Rect::FromSize(target.client));
    if (rect.IsEmpty() || !(factor > 0)) return;
    if (factor >= 1.0)
        Magnify(composer, origin, factor, rect, target);
    else
        Reduce(composer, origin, factor, rect, target);
}

} // namespace ix::gfx
