#include "canvas/filters/MosaicFilter.h"

#include "canvas/filters/Bgr24.h"

#include <algorithm>

namespace ix::canvas {

void MosaicFilter(gfx::Picture& b, std::int64_t n)
{
    if (n <= 1) return;
    MakeBgr24(b);
    const int w = b.Width();
    const int h = b.Height();
    // A block larger than the bitmap is the bitmap.
    const int block = static_cast<int>(std::min<std::int64_t>(n, std::max(w, h)));
    for (int top = 0; top < h; top += block) {
        const int bottom = std::min(h, top + block);
        for (int left = 0; left < w; left += block) {
            const int right = std::min(w, left + block);
            const gfx::Bgr colour = b.BgrRow(top)[left];
            for (int y = top; y < bottom; ++y) std::fill(b.BgrRow(y) + left, b.BgrRow(y) + right, colour);
        }
    }
}

} // namespace ix::canvas
