// EdgeDetect: the edge map of a picture by the Shen–Castan method, white edges on black.
//
// The luminance is smoothed with the infinite symmetric exponential filter (recursive,
// one causal and one anticausal pass per axis, factor `smoothing` in (0, 1)); the
// band-limited Laplacian (smoothed − original) is reduced to its sign, and its zero
// crossings are edge candidates. A candidate's strength is the difference of the mean
// luminance on the two sides of the crossing inside a `window` × `window` square. The
// strong threshold is the `ratio` quantile of the candidates' strengths; with hysteresis
// on, weaker candidates (above half that threshold) joined 8-connected to a strong one
// are edges too. `thinning` is accepted for the caller's sake; crossings are already
// one pixel wide, so no thinning is applied. The picture stays 24-bit colour (black
// and white values); alpha is kept. Memory: a few float planes of the picture's size.
#pragma once

#include "gfx/Picture.h"

namespace ix::gfx {

void EdgeDetect(Picture& picture, double smoothing, double ratio, int window, double thinning, bool hysteresis);

} // namespace ix::gfx
