// SmoothFilter ("BRUSH_SLEEK"): a four-neighbour average computed in place.
//
// Rows 1 to height − 2 top to bottom, columns 1 to width − 2 left to right: every byte
// becomes (above + below + left + right) >> 2. Working in place, the pixel above and the
// pixel to the left are already smoothed when a pixel is computed, which gives the brush
// its streaky look. The one-pixel border is never changed.
#pragma once

#include "gfx/Picture.h"

namespace ix::canvas {

void SmoothFilter(gfx::Picture& b);

} // namespace ix::canvas
