// MagicWand: the pixels of a picture whose colour is close to a seed pixel's colour.
//
// Close means each of red, green and blue differs by at most `tolerance` from the seed.
// Exclusive: the connected (4-neighbour) area of close pixels around the seed. Inclusive:
// that area with every hole inside it filled, so an island of another colour in the
// middle of the area is selected too. Global: every close pixel of the picture.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Picture.h"

#include <cstdint>
#include <vector>

namespace ix::gfx {

enum class MagicWandMode { Inclusive = 0, Exclusive = 1, Global = 2 };

inline constexpr int kDefaultMagicWandTolerance = 15;

// Width × height marks, 1 where selected; empty when the seed lies outside the picture.
std::vector<std::uint8_t> MagicWandMarks(const Picture& picture, Point seed, int tolerance, MagicWandMode mode);

} // namespace ix::gfx
