// Negative: every selected pixel's colour inverted (255 minus each of red, green, blue).
//
// Soft selection edges mix the inverted colour in by the mask value. Alpha is kept. A
// black-and-white picture is converted to colour first.
#pragma once

#include "gfx/Picture.h"
#include "gfx/ops/SelectedArea.h"

namespace ix::gfx {

void Negative(Picture& picture, const SelectedArea& area = {});
// Every pixel inside `area` (clipped to the picture) inverted; a 1-bit picture has its
// black and white swapped in place.
void Negative(Picture& picture, const Rect& area);

} // namespace ix::gfx
