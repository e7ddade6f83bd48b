#include "gfx/ops/Negative.h"

namespace ix::gfx {

void Negative(Picture& picture, const Rect& area)
{
    const Rect r = area.Intersected(picture.Bounds());
    for (int y = r.top; y < r.bottom; ++y) {
        std::uint8_t* row = picture.Row(y);
        if (picture.Format() == PixelFormat::Bgr24) {
            for (int i = r.left * 3; i < r.right * 3; ++i) row[i] = static_cast<std::uint8_t>(255 - row[i]);
        } else {
            for (int x = r.left; x < r.right; ++x) row[x >> 3] ^= static_cast<std::uint8_t>(0x80u >> (x & 7));
        }
    }
}

} // namespace ix::gfx
