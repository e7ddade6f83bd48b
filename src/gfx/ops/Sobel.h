// Sobel: the edge magnitude of each colour channel, sqrt(gx² + gy²) of the 3 × 3 Sobel
// kernels clamped to 255, over the whole picture (edge pixels repeat at the borders).
// A black-and-white picture is converted to 24-bit colour first; alpha is kept.
#pragma once

#include "gfx/Picture.h"

namespace ix::gfx {

void Sobel(Picture& picture);

} // namespace ix::gfx
