#include "gfx/ops/Negative.h"

namespace ix::gfx {

void Negative(Picture& picture, const SelectedArea& area)
{
    if (picture.IsEmpty()) return;
    EnsureColourPicture(picture);
    const Rect box = area.Box(picture.GetSize());
    for (int y = box.top; y < box.bottom; ++y) {
        Bgr* row = picture.BgrRow(y);
        for (int x = box.left; x < box.right; ++x) {
            const std::uint8_t m = area.At(x, y);
            if (m == 0) continue;
            const Bgr p = row[x];
            const Bgr inverted{static_cast<std::uint8_t>(255 - p.b), static_cast<std::uint8_t>(255 - p.g),
                               static_cast<std::uint8_t>(255 - p.r)};
            row[x] = m == 255 ? inverted : MixBgr(p, inverted, m);
        }
    }
}

} // namespace ix::gfx
