// StrokeRegion: the working square of the artistic and gradient brushes.
//
// Around the pointer (x, y) in picture pixels the square reaches S pixels to each side
// and is clipped to the picture: left and top are raised to 0, right and bottom lowered
// to the picture's size (right and bottom exclusive). When the clipped square is
// narrower or lower than S the pointer lies far outside the picture and the event draws
// nothing. The arithmetic is 64-bit, so any size a script stores is safe; the width and
// height may come out negative for a pointer far outside, which the test refuses.
#pragma once

#include "gfx/Geometry.h"

#include <cstdint>

namespace ix::canvas {

struct StrokeRegion {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;

    std::int64_t Width() const { return right - left; }
    std::int64_t Height() const { return bottom - top; }
    // Whether the event goes on: the square is at least S wide and high.
    bool Usable(std::int64_t size) const { return Width() >= size && Height() >= size && Width() >= 0 && Height() >= 0; }
    // The square as a picture rectangle; only meaningful when Usable.
    gfx::Rect ToRect() const
    {
        return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right), static_cast<int>(bottom)};
    }
};

StrokeRegion StrokeRegionAt(gfx::Size picture, gfx::Point at, std::int64_t size);

} // namespace ix::canvas
