// ColorCount: the number of distinct colours in a rectangle of a picture (clipped to
// it): distinct 24-bit values for a colour picture, 2 for a black-and-white one
// (its format has two colours), 0 for an empty area. Uses a 2 MiB bit set.
#pragma once

#include "gfx/Picture.h"

namespace ix::gfx {

int CountColors(const Picture& picture, const Rect& area);

} // namespace ix::gfx
