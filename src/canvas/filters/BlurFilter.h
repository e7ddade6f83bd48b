// BlurFilter ("BRUSH_BLUR") and its DiagonalAveragePass.
//
// A pass averages, in place, each byte with the four pixels d rows and d columns away
// diagonally; rows top to bottom, columns left to right, so pixels above and to the left
// are already averaged. Near the top and left edges a missing neighbour is the pixel's
// own row or column; near the bottom and right edges it is the row (column) mirrored as
// height − row (width − column), which for a bitmap narrower than the distance points
// past the last row or column: such a read takes the last one instead.
//
// BlurFilter(b, P) makes P + 1 passes at distance 3 (none when P is negative). A pass
// that changes nothing ends the work, since every later pass would leave the same
// bitmap; at most kMaxBlurPasses passes run, so that an absurd pressure cannot keep the
// host busy (the averages have settled long before).
#pragma once

#include "gfx/Picture.h"

#include <cstdint>

namespace ix::canvas {

inline constexpr int kMaxBlurPasses = 1024;

// One pass at distance d; d = 0 (or less) does nothing. Returns whether a byte changed.
bool DiagonalAveragePass(gfx::Picture& b, int d);
void BlurFilter(gfx::Picture& b, std::int64_t passes);

} // namespace ix::canvas
