// GammaCorrect: the selected pixels' brightness curve bent by a gamma value.
//
// Each channel c becomes 255 · (c / 255)^(1 / gamma): a gamma above 1 lightens the mid
// tones, below 1 darkens them; black and white stay. A gamma that is not above 0 changes
// nothing. Soft selection edges mix the change in.
#pragma once

#include "gfx/Picture.h"
#include "gfx/ops/SelectedArea.h"

namespace ix::gfx {

void GammaCorrect(Picture& picture, double gamma, const SelectedArea& area = {});

} // namespace ix::gfx
