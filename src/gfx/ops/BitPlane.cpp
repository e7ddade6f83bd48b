#include "gfx/ops/BitPlane.h"

namespace ix::gfx {

BitPlane UnpackBits(Picture& picture)
{
    picture.ConvertTo(PixelFormat::BlackWhite1);
    BitPlane plane{picture.Width(), picture.Height(), {}};
    plane.white.resize(static_cast<std::size_t>(plane.width) * static_cast<std::size_t>(plane.height));
    for (int y = 0; y < plane.height; ++y) {
        const std::uint8_t* row = picture.Row(y);
        for (int x = 0; x < plane.width; ++x) plane.At(x, y) = (row[x >> 3] >> (7 - (x & 7))) & 1;
    }
    return plane;
}

void PackBits(const BitPlane& plane, Picture& picture)
{
    for (int y = 0; y < plane.height; ++y) {
        std::uint8_t* row = picture.Row(y);
        for (int x = 0; x < plane.width; ++x) {
            const auto mask = static_cast<std::uint8_t>(0x80u >> (x & 7));
            row[x >> 3] = static_cast<std::uint8_t>(plane.At(x, y) ? row[x >> 3] | mask : row[x >> 3] & ~mask);
        }
    }
}

} // namespace ix::gfx
