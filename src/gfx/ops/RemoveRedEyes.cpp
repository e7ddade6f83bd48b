#include "gfx/ops/RemoveRedEyes.h"

namespace ix::gfx {

void RemoveRedEyes(Picture& picture, const SelectedArea& area)
{
    MapSelected(picture, area, [](Bgr p, int, int) {
        const int mean = (p.g + p.b + 1) / 2;
        // red > 1.5 · mean, in integers: 2 · red > 3 · mean.
        if (p.r >= kRedEyeMinRed && 2 * p.r > 3 * mean) p.r = static_cast<std::uint8_t>(mean);
        return p;
    });
}

} // namespace ix::gfx
