#include "gfx/ops/Negative.h"

namespace ix::gfx {

void Negative(Picture& picture, const SelectedArea& area)
{
    MapSelected(picture, area, [](Bgr p, int, int) {
        return Bgr{static_cast<std::uint8_t>(255 - p.b), static_cast<std::uint8_t>(255 - p.g),
                   static_cast<std::uint8_t>(255 - p.r)};
    });
}

void Negative(Picture& picture, const Rect& area)
{
    const Rect rect = area.Intersected(picture.Bounds());
    for (int y = rect.top; y < rect.bottom; ++y) {
        if (picture.Format() == PixelFormat::BlackWhite1) {
            for (int x = rect.left; x < rect.right; ++x)
                picture.Row(y)[x >> 3] ^= static_cast<std::uint8_t>(0x80u >> (x & 7));
            continue;
        }
        Bgr* row = picture.BgrRow(y);
        for (int x = rect.left; x < rect.right; ++x)
            row[x] = Bgr{static_cast<std::uint8_t>(255 - row[x].b), static_cast<std::uint8_t>(255 - row[x].g),
                         static_cast<std::uint8_t>(255 - row[x].r)};
    }
}

} // namespace ix::gfx
