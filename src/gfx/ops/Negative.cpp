#include "gfx/ops/Negative.h"

namespace ix::gfx {

void Negative(Picture& picture, const SelectedArea& area)
{
    MapSelected(picture, area, [](Bgr p, int, int) {
        return Bgr{static_cast<std::uint8_t>(255 - p.b), static_cast<std::uint8_t>(255 - p.g),
                   static_cast<std::uint8_t>(255 - p.r)};
    });
}

} // namespace ix::gfx
