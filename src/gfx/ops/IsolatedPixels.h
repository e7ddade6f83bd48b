// IsolatedPixels: specks removed from a black-and-white picture.
//
// RemoveIsolatedPixels turns every 8-connected group of foreground pixels (black for
// foreground 0, white for 1) that has at most `groupSize` pixels into background, inside
// `area` (clipped; a group is measured inside the area only). groupSize 0 or less
// changes nothing beyond the conversion to black and white. Memory: one label byte and
// at most one stack entry per pixel of the area.
#pragma once

#include "gfx/Picture.h"

namespace ix::gfx {

void RemoveIsolatedPixels(Picture& picture, int foreground, int groupSize, const Rect& area);

} // namespace ix::gfx
