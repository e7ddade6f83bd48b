// Resample: a picture scaled to a new size with one of the 14 filters (ResampleFilter).
//
// Scaling is separable (one pass per axis, each pass skipped when that axis keeps its
// length) and covers the alpha plane as well. When a convolution filter reduces, its
// kernel is widened by the reduction factor so every source pixel contributes
// (antialiased downscale); rfNone and rfFastLinear never widen. docs/resampling.md
// describes every filter. Black-and-white pictures are scaled through 24-bit colour and
// converted back. The result keeps the source's resolution.
//
// Limits: the target size is checked like any new picture; a refused size or failed
// allocation throws GfxError and the source is left as it was.
#pragma once

#include "gfx/Picture.h"
#include "gfx/ResampleFilter.h"

namespace ix::gfx {

// A new picture of `size` scaled from `src`. An empty source gives an unchanged copy.
Picture Resampled(const Picture& src, Size size, ResampleFilter filter);

// In place; a picture already of that size, or an empty one, is left unchanged.
void Resample(Picture& picture, Size size, ResampleFilter filter);

} // namespace ix::gfx
