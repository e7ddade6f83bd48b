// Blend: the formulas of the 38 blend operations (BlendOp) and their mixing by coverage.
//
// Each operation is a function f(src, dst) of a source pixel drawn over a destination
// pixel (docs/blend-operations.md writes every formula down). The result is then mixed
// into the destination by the source's coverage
//     a = srcAlpha · clamp(transparency, 0, 255) / 255
//     out = dst + (f(src, dst) − dst) · a / 255            (rounded to nearest)
// so coverage 0 leaves the destination exactly as it was and coverage 255 gives f exactly.
// Without an alpha plane the source counts as opaque (srcAlpha 255).
//
// The destination here is opaque; composition onto a destination with its own alpha
// plane is Compose's business. All functions are pure and allocate nothing.
#pragma once

#include "gfx/BlendOp.h"
#include "gfx/Color.h"

#include <cstdint>

namespace ix::gfx {

// A stored transparency (any int) as the 0..255 coverage factor composition uses.
constexpr int ClampTransparency(int t) { return t < 0 ? 0 : (t > 255 ? 255 : t); }

// f(src, dst): the operation alone, without coverage. Out-of-range ops act as Normal.
Bgr BlendColor(BlendOp op, Bgr src, Bgr dst);

// One pixel: f mixed into dst by srcAlpha and transparency (clamped).
Bgr BlendPixel(BlendOp op, Bgr src, std::uint8_t srcAlpha, Bgr dst, int transparency);

// `count` pixels: dst[i] := BlendPixel(op, src[i], srcAlpha ? srcAlpha[i] : 255, dst[i],
// transparency). src and dst must not overlap unless they are the same row.
void BlendRow(BlendOp op, const Bgr* src, const std::uint8_t* srcAlpha, Bgr* dst, int count, int transparency);

} // namespace ix::gfx
