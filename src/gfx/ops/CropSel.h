// CropSel: the selected part of a picture as a new picture.
//
// The result covers the selection's box (clipped to the picture). Fully selected pixels
// keep their colour; pixels outside a non-rectangular selection take `background`, and
// partly selected ones a mix of the two by the mask value. An alpha plane is cut to the
// same box and otherwise kept. Without a selection the whole picture is copied; a box
// that misses the picture gives an empty picture.
#pragma once

#include "gfx/Color.h"
#include "gfx/Picture.h"
#include "gfx/ops/SelectedArea.h"

namespace ix::gfx {

Picture CropSel(const Picture& picture, const SelectedArea& area, Color background);

} // namespace ix::gfx
