// Blur: the selected pixels softened by a Gaussian-like blur of the given radius.
//
// The radius is the standard deviation in pixels; three box passes per axis of matching
// width approximate the Gaussian, so the cost per pixel does not grow with the radius.
// Pixels outside the selection feed the blur of those inside (the picture's edge is
// repeated beyond it), but only selected pixels change; soft selection edges mix the
// blurred colour in by the mask value. A radius that is not above 0 changes nothing.
// Alpha is kept.
#pragma once

#include "gfx/Picture.h"
#include "gfx/ops/SelectedArea.h"

namespace ix::gfx {

void Blur(Picture& picture, double radius, const SelectedArea& area = {});

// The half-width of each of the three box passes for a blur of `radius` (at least 1).
int BlurBoxRadius(double radius);

} // namespace ix::gfx
