// Sharpen: the selected pixels' edges strengthened (unsharp masking).
//
// Each pixel moves away from its blurred neighbourhood (Blur with radius 1) by
// amount / 10 of the difference, clamped: 10 doubles the local contrast, 0 changes
// nothing. Amounts are limited to 0..100. Soft selection edges mix the change in.
#pragma once

#include "gfx/Picture.h"
#include "gfx/ops/SelectedArea.h"

namespace ix::gfx {

void Sharpen(Picture& picture, int amount, const SelectedArea& area = {});

} // namespace ix::gfx
