// GripStyle: how the view draws the small handles on a selection's box and on a layer
// while layers are being resized or rotated.
#pragma once

#include "gfx/Color.h"

namespace ix::gfx {

enum class GripShape { Square = 0, Circle = 1 };
enum class GripFill { Solid, Clear };

struct GripStyle {
    Color outline = colors::Black;
    Color fill = colors::White;
    GripFill fillStyle = GripFill::Solid;
    int size = 5;          // side or diameter in screen pixels; clamped to 1..64 when drawn
    bool extended = false; // also grips at the middle of each side
    GripShape shape = GripShape::Square;
    friend bool operator==(const GripStyle&, const GripStyle&) = default;
};

} // namespace ix::gfx
