// Reflection: the picture doubled in height, the new lower half holding the picture
// mirrored upside down and fading towards the bottom edge.
//
// The opacity of mirrored row k (0 = the row next to the original, the last original row
// mirrored) is the source pixel's opacity × (distance of the row from the new bottom
// edge) / original height, rounded, then clamped to [minimum, maximum]. The upper half
// keeps its pixels and opacity. A black-and-white picture is converted to 24-bit colour
// first. Throws GfxError (picture unchanged) when the doubled size is refused.
#pragma once

#include "gfx/Picture.h"

namespace ix::gfx {

void Reflection(Picture& picture, int minimum, int maximum);

} // namespace ix::gfx
