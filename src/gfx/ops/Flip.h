// Flip: a picture mirrored left to right (each row reversed) or top to bottom (row order
// reversed). Works on both pixel formats and on the alpha plane; never allocates beyond
// one row.
#pragma once

#include "gfx/Picture.h"

namespace ix::gfx {

enum class FlipDirection { Horizontal, Vertical };

void Flip(Picture& picture, FlipDirection direction);

} // namespace ix::gfx
