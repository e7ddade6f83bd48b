#include "canvas/SprayAt.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ix::canvas {

namespace {

// The rounded offset added to a coordinate; nothing when the dot lies beyond any pixel.
bool Offset(double base, double delta, int& result)
{
    const double v = base + std::nearbyint(delta);
    if (!(v >= -2147483648.0 && v <= 2147483647.0)) return false;
    result = static_cast<int>(v);
    return true;
}

} // namespace

void SprayAt(gfx::Picture& surface, gfx::Point at, gfx::Color colour, std::int32_t radius, std::int32_t n,
             const UniformSource& uniform)
{
    const std::int64_t dots = std::min<std::int64_t>(std::int64_t{n} + 1, kMaxSprayDots);
    for (std::int64_t i = 0; i < dots; ++i) {
        const auto angle = static_cast<float>(uniform() * 2 * std::numbers::pi);
        const auto r = static_cast<float>(uniform() * radius);
        int x = 0;
        int y = 0;
        if (Offset(at.x, std::cos(static_cast<double>(angle)) * r, x) &&
            Offset(at.y, std::sin(static_cast<double>(angle)) * r, y))
            surface.SetPixel({x, y}, colour);
    }
}

} // namespace ix::canvas
