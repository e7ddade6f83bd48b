// SprayAt: one airbrush step, a burst of dots around the pointer.
//
// Each of the n + 1 dots (none when n is negative) lands at angle u1 · 2π and distance
// u2 · radius from (x, y), u1 and u2 being fresh uniform numbers in [0, 1) from `uniform`;
// the angle and the distance are single-precision values and the offsets are rounded to
// the nearest integer with ties to even. Dots are thus spread uniformly in angle and in
// distance, denser near the pointer. Dots outside the picture are dropped.
//
// At most kMaxSprayDots dots are set per step: the dot count comes from unchecked
// script text, and a burst larger than that already covers every pixel of any disc the
// view can show many times over.
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "gfx/Picture.h"

#include <cstdint>
#include <functional>

namespace ix::canvas {

inline constexpr std::int64_t kMaxSprayDots = 1 << 20;

// A source of uniform pseudo-random numbers in [0, 1).
using UniformSource = std::function<double()>;

void SprayAt(gfx::Picture& surface, gfx::Point at, gfx::Color colour, std::int32_t radius, std::int32_t n,
             const UniformSource& uniform);

} // namespace ix::canvas
