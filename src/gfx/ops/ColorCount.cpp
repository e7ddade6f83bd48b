#include "gfx/ops/ColorCount.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace ix::gfx {

int CountColors(const Picture& picture, const Rect& area)
{
    if (picture.Format() == PixelFormat::BlackWhite1) return 2;
    const Rect r = area.Intersected(picture.Bounds());
    if (r.IsEmpty()) return 0;
    std::vector<std::uint64_t> seen((1u << 24) / 64);
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        const Bgr* row = picture.BgrRow(y);
        for (int x = r.left; x < r.right; ++x) {
            const std::uint32_t v = static_cast<std::uint32_t>(row[x].r) | row[x].g << 8 | row[x].b << 16;
            std::uint64_t& word = seen[v >> 6];
            const std::uint64_t bit = std::uint64_t{1} << (v & 63);
            if ((word & bit) == 0) {
                word |= bit;
                ++count;
            }
        }
    }
    return count;
}

} // namespace ix::gfx
