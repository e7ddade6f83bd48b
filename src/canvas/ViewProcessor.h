// ViewProcessor: the image processor operations the canvas window itself needs, on the
// current layer's picture of a view.
//
// Like every processor operation they work on the selected area only while the view has
// a selection (the selection is in layer-0 pixels; the layer's position is taken into
// account); a graded selection mixes the fill by the mask value. Both tell the view that
// its layers changed.
#pragma once

#include "gfx/Color.h"
#include "gfx/view/ImageView.h"

namespace ix::canvas {

// Every (selected) pixel := colour.
void FillImage(gfx::ImageView& view, gfx::Color colour);
// Every (selected) pixel whose red, green and blue each lie between those of `lower` and
// `upper` takes the alpha value (clamped to 0..255); the picture gets an alpha plane
// when it has none.
void SetTransparentColors(gfx::ImageView& view, gfx::Color lower, gfx::Color upper, int alpha);

} // namespace ix::canvas
