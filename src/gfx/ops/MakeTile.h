// MakeTile: a picture repeated across and down.
//
// The result is `across` × `down` copies of the picture side by side, the first at the
// top-left corner; an alpha plane repeats with it. Counts below 1, or a result larger
// than a picture may be, throw GfxError. An empty picture gives an empty one.
#pragma once

#include "gfx/Picture.h"

namespace ix::gfx {

Picture MakeTile(const Picture& picture, int across, int down);

} // namespace ix::gfx
