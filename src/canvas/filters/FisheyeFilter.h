// FisheyeFilter ("BRUSH_EYE"): a lens that magnifies the middle of a bitmap and pulls
// the outer parts in.
//
// `target` must be a copy of `source` (same size, 24-bit). For every target pixel (i, j)
// at distance d from the centre (W / 2, H / 2) the source is sampled at the centre plus
// (dx, dy) · g / d, g = (1 / (1 − d / R) − 1) · R / 2 with R = k · W; sample positions
// outside the bitmap wrap around, and the four neighbouring source pixels are mixed
// bilinearly. All real arithmetic is single precision and the sums are rounded to the
// nearest integer with ties to even, keeping the low 8 bits.
//
// Where the lens formula has no finite value (a pixel at exactly distance R, or one whose
// sample position lies beyond any 64-bit integer) the target pixel keeps its copied
// source value. Pictures of different sizes leave the target unchanged.
#pragma once

#include "gfx/Picture.h"

#include <cstdint>

namespace ix::canvas {

void FisheyeFilter(const gfx::Picture& source, gfx::Picture& target, std::int64_t k);

} // namespace ix::canvas
