#include "gfx/ops/RemoveRedEyes.h"

namespace ix::gfx {

void RemoveRedEyes(Picture& picture, const SelectedArea& area)
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
            const int mean = (p.g + p.b + 1) / 2;
            // red > ratio · mean, in integers: 2 · red > 3 · mean.
            if (p.r < kRedEyeMinRed || 2 * p.r <= 3 * mean) continue;
            row[x].r = MixChannel(p.r, static_cast<std::uint8_t>(mean), m);
        }
    }
}

} // namespace ix::gfx
