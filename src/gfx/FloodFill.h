// FloodFill: the 4-connected area of pixels of exactly one colour.
//
// The search is a scan-line fill with an explicit stack of seeds (no recursion), so an
// area as large as the largest picture fills without exhausting the call stack. An area
// is found on the colour plane (exact 24-bit colour, or black/white bit) or on the alpha
// plane (exact alpha value). A seed outside the picture finds nothing.
//
// Limits: the span search keeps one bit per pixel to mark what it has visited; a failed
// allocation throws GfxError before anything changes.
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "gfx/Picture.h"

#include <cstdint>
#include <functional>

namespace ix::gfx {

enum class PaintPlane { Color, Alpha };

// Calls span(y, x0, x1) once for each maximal run [x0, x1) of row y of the area around
// `seed`; every pixel of the area is reported exactly once. The picture is only read,
// so the callback may change pixels of runs already reported. Returns the pixel count.
std::int64_t ForEachFillSpan(const Picture& picture, Point seed, PaintPlane plane,
                             const std::function<void(int y, int x0, int x1)>& span);

// Fills the area around `seed` with the solid colour `fill` on the colour plane.
// Returns the number of pixels that took the colour (0 when the seed lies outside or
// the area already has that colour).
std::int64_t FloodFill(Picture& picture, Point seed, Color fill);

} // namespace ix::gfx
