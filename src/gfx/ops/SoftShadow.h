// SoftShadow: a blurred drop shadow behind a picture, the picture grown to hold it.
//
// The shadow is the picture's opacity (all opaque without an alpha plane) moved by the
// offsets, blurred with three box passes of about the radius (an approximation of a
// Gaussian) and scaled by intensity / 100 (intensity limited to 0..100), in `colour`.
// The picture grows in width and height by 2 × max(|dx|, |dy|) + round(5 × radius),
// at least 1 pixel, with the original placed half that growth from the top-left; the
// result has an alpha plane with the picture over its shadow.
//
// Limits: a radius that is not a number, negative or above kMaxShadowRadius, and a
// growth the picture size limits refuse throw GfxError with the picture unchanged. The
// blur costs a fixed number of operations per pixel whatever the radius.
#pragma once

#include "gfx/Picture.h"

namespace ix::gfx {

inline constexpr double kMaxShadowRadius = 1000.0;

void AddSoftShadow(Picture& picture, double radius, int dx, int dy, Color colour, int intensity);

} // namespace ix::gfx
