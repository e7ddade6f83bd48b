// MaskedCopy: one picture copied into another through the selection.
//
// `src` lies over `dst` with both top-left corners together; inside the part they share,
// each selected pixel of `dst` moves toward the pixel of `src` at the same place by the
// mask value (255 takes it exactly, 0 leaves it). Colours only; the alpha of `dst` stays.
// Without a selection every shared pixel is copied.
#pragma once

#include "gfx/Picture.h"
#include "gfx/ops/SelectedArea.h"

namespace ix::gfx {

void MaskedCopy(Picture& dst, const Picture& src, const SelectedArea& area);

} // namespace ix::gfx
