// MosaicFilter ("BRUSH_FLOW"): blocks of n × n pixels from the top-left corner (smaller
// at the right and bottom edges) all take the colour of their top-left pixel. A block
// size of 1 or less changes nothing.
#pragma once

#include "gfx/Picture.h"

#include <cstdint>

namespace ix::canvas {

void MosaicFilter(gfx::Picture& b, std::int64_t n);

} // namespace ix::canvas
