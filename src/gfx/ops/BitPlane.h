// BitPlane: a black-and-white picture unpacked to one byte per pixel (1 = white) for
// the neighbourhood operations, and packed back. Both sizes match the picture's.
#pragma once

#include "gfx/Picture.h"

#include <cstdint>
#include <vector>

namespace ix::gfx {

struct BitPlane {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> white; // row-major, 1 = white

    std::uint8_t At(int x, int y) const { return white[static_cast<std::size_t>(y) * width + x]; }
    std::uint8_t& At(int x, int y) { return white[static_cast<std::size_t>(y) * width + x]; }
};

// Converts the picture to BlackWhite1 (kept in it) and unpacks it.
BitPlane UnpackBits(Picture& picture);
// Writes the plane into the (BlackWhite1) picture of the same size.
void PackBits(const BitPlane& plane, Picture& picture);

} // namespace ix::gfx
