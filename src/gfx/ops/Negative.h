// Negative: every selected pixel's colour inverted (255 minus each of red, green, blue).
//
// Soft selection edges mix the inverted colour in by the mask value. Alpha is kept. A
// black-and-white picture is converted to colour first.
#pragma once

#include "gfx/Picture.h"
#include "gfx/ops/SelectedArea.h"

namespace ix::gfx {

void Negative(Picture& picture, const SelectedArea& area = {});

} // namespace ix::gfx
