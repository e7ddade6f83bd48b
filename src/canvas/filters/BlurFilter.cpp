#include "canvas/filters/BlurFilter.h"

#include "canvas/filters/Bgr24.h"

#include <algorithm>

namespace ix::canvas {

namespace {

// The neighbour index before and after `i` at distance d in a line of n.
int Before(int i, int d) { return i - d >= 0 ? i - d : i; }
int After(int i, int d, int n) { return i + d < n ? i + d : std::min(n - i, n - 1); }

} // namespace

bool DiagonalAveragePass(gfx::Picture& b, int d)
{
    if (d <= 0) return false;
    MakeBgr24(b);
    const int w = b.Width();
    const int h = b.Height();
    bool changed = false;
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* upper = b.Row(Before(y, d));
        const std::uint8_t* lower = b.Row(After(y, d, h));
        std::uint8_t* row = b.Row(y);
        for (int x = 0; x < w; ++x) {
            const int left = Before(x, d) * 3;
            const int right = After(x, d, w) * 3;
            for (int c = 0; c < 3; ++c) {
                const auto v = static_cast<std::uint8_t>(
                    (upper[left + c] + lower[left + c] + upper[right + c] + lower[right + c]) >> 2);
                changed |= row[x * 3 + c] != v;
                row[x * 3 + c] = v;
            }
        }
    }
    return changed;
}

void BlurFilter(gfx::Picture& b, std::int64_t passes)
{
    const std::int64_t count = std::min<std::int64_t>(passes + 1, kMaxBlurPasses);
    for (std::int64_t i = 0; i < count; ++i)
        if (!DiagonalAveragePass(b, 3)) break;
}

} // namespace ix::canvas
