#include "gfx/ops/Sharpen.h"

#include "gfx/ops/Blur.h"

#include <algorithm>

namespace ix::gfx {

namespace {

std::uint8_t Away(std::uint8_t c, std::uint8_t blurred, int amount)
{
    return static_cast<std::uint8_t>(std::clamp(c + (c - blurred) * amount / 10, 0, 255));
}

} // namespace

void Sharpen(Picture& picture, int amount, const SelectedArea& area)
{
    const int a = std::clamp(amount, 0, 100);
    if (picture.IsEmpty() || a == 0) return;
    EnsureColourPicture(picture);
    Picture blurred = picture;
    Blur(blurred, 1.0);
    MapSelected(picture, area, [&](Bgr p, int x, int y) {
        const Bgr soft = blurred.BgrRow(y)[x];
        return Bgr{Away(p.b, soft.b, a), Away(p.g, soft.g, a), Away(p.r, soft.r, a)};
    });
}

} // namespace ix::gfx
