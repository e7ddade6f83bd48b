// Gradient: pictures shaded from a begin colour to an end colour in 25 styles.
//
// Every style maps a pixel to a position t in [0, 1] and paints
// begin + (end − begin) · t per channel, rounded. Positions are measured in coordinates
// normalised to the picture (0 at the first pixel centre, 1 at the last), so shapes
// stretch with the picture's aspect ratio:
//   Custom        no pattern of its own: drawn as LinearH
//   RadialC       begin at the centre, end at the corners (elliptic rings)
//   RadialT/B/L/R begin at the middle of the top/bottom/left/right edge, end at the
//                 farthest corners
//   RadialTL/TR/BL/BR  begin at that corner, end at the opposite corner
//   LinearH / V   begin at the left / top edge, end at the right / bottom edge
//   ReflectedH / V  begin at the left and right / top and bottom edges, end along the
//                 vertical / horizontal centre line
//   DiagonalLF    begin at the top-left corner, end at the bottom-right corner
//   DiagonalLB    begin at the bottom-left corner, end at the top-right corner
//   DiagonalRF    begin at the top-right corner, end at the bottom-left corner
//   DiagonalRB    begin at the bottom-right corner, end at the top-left corner
//   ArrowL/R/U/D  a chevron pointing left/right/up/down: begin at its tip (the middle
//                 of that edge), end at the two corners of the opposite edge
//   Diamond       begin at the centre, end at the corners (diamond rings)
//   Butterfly     begin at the middle of the top and bottom edges, end at the middle
//                 of the left and right edges (an hourglass)
//   RadialRect    begin at the centre, end along the whole border (rectangular rings)
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "gfx/Picture.h"

#include <array>
#include <optional>
#include <string_view>

namespace ix::gfx {

enum class GradientStyle : int {
    Custom, RadialC, RadialT, RadialB, RadialL, RadialR, RadialTL, RadialTR, RadialBL, RadialBR,
    LinearH, LinearV, ReflectedH, ReflectedV, DiagonalLF, DiagonalLB, DiagonalRF, DiagonalRB,
    ArrowL, ArrowR, ArrowU, ArrowD, Diamond, Butterfly, RadialRect,
};

inline constexpr int kGradientStyleCount = 25;

inline constexpr std::array<std::string_view, kGradientStyleCount> kGradientStyleNames = {
    "Custom", "RadialC", "RadialT", "RadialB", "RadialL", "RadialR", "RadialTL", "RadialTR", "RadialBL",
    "RadialBR", "LinearH", "LinearV", "ReflectedH", "ReflectedV", "DiagonalLF", "DiagonalLB", "DiagonalRF",
    "DiagonalRB", "ArrowL", "ArrowR", "ArrowU", "ArrowD", "Diamond", "Butterfly", "RadialRect",
};

// The style of that exact (case-sensitive) name, or nothing.
constexpr std::optional<GradientStyle> GradientStyleByName(std::string_view name)
{
    for (int i = 0; i < kGradientStyleCount; ++i)
        if (kGradientStyleNames[i] == name) return static_cast<GradientStyle>(i);
    return std::nullopt;
}

// A new opaque picture of `size` in that style. Throws GfxError for a refused size.
Picture RenderGradient(Size size, Color begin, Color end, GradientStyle style);

} // namespace ix::gfx
