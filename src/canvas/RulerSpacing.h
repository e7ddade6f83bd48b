// RulerSpacing: how finely the rulers are divided at a zoom.
//
// Above 400 % the rulers tick every unit and label every ten; below it they tick every
// ten and label every hundred. At exactly 400 % they keep the spacing they had, so that
// zooming in to 400 % and out to it does not make the rulers flicker between the two.
#pragma once

namespace ix::canvas {

struct RulerSpacing {
    double tickFrequency = 10.0;
    double labelFrequency = 100.0;
    friend bool operator==(const RulerSpacing&, const RulerSpacing&) = default;
};

constexpr RulerSpacing RulerSpacingAt(double zoomPercent, RulerSpacing current)
{
    if (zoomPercent > 400.0) return {1.0, 10.0};
    if (zoomPercent < 400.0) return {10.0, 100.0};
    return current;
}

} // namespace ix::canvas
