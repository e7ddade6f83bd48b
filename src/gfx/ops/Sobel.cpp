#include "gfx/ops/Sobel.h"

#include <algorithm>
#include <cmath>

namespace ix::gfx {

void Sobel(Picture& picture)
{
    picture.ConvertTo(PixelFormat::Bgr24);
    if (picture.IsEmpty()) return;
    const Picture src = picture;
    const int w = src.Width();
    const int h = src.Height();
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* up = src.Row(std::max(y - 1, 0));
        const std::uint8_t* mid = src.Row(y);
        const std::uint8_t* down = src.Row(std::min(y + 1, h - 1));
        std::uint8_t* out = picture.Row(y);
        for (int x = 0; x < w; ++x) {
            const int l = std::max(x - 1, 0) * 3;
            const int c = x * 3;
            const int r = std::min(x + 1, w - 1) * 3;
            for (int ch = 0; ch < 3; ++ch) {
                const int gx = (up[r + ch] + 2 * mid[r + ch] + down[r + ch]) - (up[l + ch] + 2 * mid[l + ch] + down[l + ch]);
                const int gy = (down[l + ch] + 2 * down[c + ch] + down[r + ch]) - (up[l + ch] + 2 * up[c + ch] + up[r + ch]);
                const double m = std::sqrt(static_cast<double>(gx * gx + gy * gy));
                out[c + ch] = static_cast<std::uint8_t>(std::min(255.0, std::round(m)));
            }
        }
    }
}

} // namespace ix::gfx
