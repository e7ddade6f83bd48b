// SelectionPicture: the part of a canvas picture that copies take, and the drawing of a
// picture back into the selected part.
//
// Selections are kept in layer-0 pixels; the current layer's picture is reached through
// the layer's position, so a moved layer copies and receives the pixels shown under the
// selection. A graded selection mixes by its mask value (255 takes the picture's pixel,
// 0 the other colour).
#pragma once

#include "gfx/Color.h"
#include "gfx/Picture.h"
#include "gfx/view/ImageView.h"

namespace ix::actions {

// With a selection: a new picture of the selection's bounding box, holding the current
// layer's pixels where selected and `background` elsewhere (also where the box lies off
// the layer). Without one: a copy of the current layer's whole picture.
gfx::Picture SelectedPicture(gfx::ImageView& view, gfx::Color background);

// Stretches `source` (halftone) to the selection's bounding box and puts it into the
// selected pixels of the current layer, each weighted by its mask value and, when
// `useAlpha` and the source carries alpha, by the source's alpha too. Nothing without a
// selection or with an empty source. Tells the view what changed.
void PasteIntoSelection(gfx::ImageView& view, const gfx::Picture& source, bool useAlpha);

} // namespace ix::actions
