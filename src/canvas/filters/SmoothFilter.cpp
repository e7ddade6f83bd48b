#include "canvas/filters/SmoothFilter.h"

#include "canvas/filters/Bgr24.h"

namespace ix::canvas {

void SmoothFilter(gfx::Picture& b)
{
    MakeBgr24(b);
    const int w = b.Width();
    for (int y = 1; y < b.Height() - 1; ++y) {
        const std::uint8_t* above = b.Row(y - 1);
        std::uint8_t* row = b.Row(y);
        const std::uint8_t* below = b.Row(y + 1);
        for (int i = 3; i < (w - 1) * 3; ++i)
            row[i] = static_cast<std::uint8_t>((above[i] + below[i] + row[i - 3] + row[i + 3]) >> 2);
    }
}

} // namespace ix::canvas
