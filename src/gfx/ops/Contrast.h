// Contrast: the selected pixels' colours spread from or pulled toward middle grey.
//
// `amount` runs from -100 (everything grey) through 0 (no change) to 100 (steepest);
// each channel c becomes 128 + (c − 128) · factor, clamped, with factor (100 + amount) /
// (100 − amount) above 0 and (100 + amount) / 100 below. Values beyond ±100 count as ±100
// (100 itself gives the steepest finite factor, 255). Soft selection edges mix the change in.
#pragma once

#include "gfx/Picture.h"
#include "gfx/ops/SelectedArea.h"

namespace ix::gfx {

void Contrast(Picture& picture, int amount, const SelectedArea& area = {});

} // namespace ix::gfx
