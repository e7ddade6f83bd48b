// Negative: every colour inverted (255 − value; black and white swapped in a 1-bit
// picture) inside `area`, clipped to the picture. Alpha is untouched.
#pragma once

#include "gfx/Picture.h"

namespace ix::gfx {

void Negative(Picture& picture, const Rect& area);
inline void Negative(Picture& picture) { Negative(picture, picture.Bounds()); }

} // namespace ix::gfx
