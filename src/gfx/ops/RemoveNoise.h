// RemoveNoise: salt-and-pepper cleaning of a black-and-white picture, for scanned text.
//
// The foreground is black, or white when `invert` is on. Each pass looks at the 8
// neighbours of every pixel of `area` (clipped; neighbours outside the picture count as
// background): a foreground pixel with fewer than 2 foreground neighbours becomes
// background (a speck), a background pixel with at least 7 becomes foreground (a pin
// hole). Passes stop early once one changes nothing, and at most kMaxNoisePasses run.
#pragma once

#include "gfx/Picture.h"

namespace ix::gfx {

inline constexpr int kMaxNoisePasses = 256;

void RemoveNoise(Picture& picture, int passes, bool invert, const Rect& area);

} // namespace ix::gfx
