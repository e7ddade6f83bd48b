#include "gfx/Gradient.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ix::gfx {

namespace {

// Position t of normalised point (u, v), both in [0, 1] from the top-left.
double Position(GradientStyle style, double u, double v)
{
    auto radial = [&](double cu, double cv) {
        // Distance to (cu, cv) over the distance to the farthest corner.
        const double fu = std::max(cu, 1.0 - cu), fv = std::max(cv, 1.0 - cv);
        return std::hypot(u - cu, v - cv) / std::hypot(fu, fv);
    };
    const double cu = std::fabs(2.0 * u - 1.0), cv = std::fabs(2.0 * v - 1.0); // 0 at the centre, 1 at edges
    switch (style) {
    case GradientStyle::Custom:
    case GradientStyle::LinearH: return u;
    case GradientStyle::LinearV: return v;
    case GradientStyle::RadialC: return radial(0.5, 0.5);
    case GradientStyle::RadialT: return radial(0.5, 0.0);
    case GradientStyle::RadialB: return radial(0.5, 1.0);
    case GradientStyle::RadialL: return radial(0.0, 0.5);
    case GradientStyle::RadialR: return radial(1.0, 0.5);
    case GradientStyle::RadialTL: return radial(0.0, 0.0);
    case GradientStyle::RadialTR: return radial(1.0, 0.0);
    case GradientStyle::RadialBL: return radial(0.0, 1.0);
    case GradientStyle::RadialBR: return radial(1.0, 1.0);
    case GradientStyle::ReflectedH: return 1.0 - cu;
    case GradientStyle::ReflectedV: return 1.0 - cv;
    case GradientStyle::DiagonalLF: return (u + v) / 2.0;
    case GradientStyle::DiagonalLB: return (u + 1.0 - v) / 2.0;
    case GradientStyle::DiagonalRF: return (1.0 - u + v) / 2.0;
    case GradientStyle::DiagonalRB: return (2.0 - u - v) / 2.0;
    case GradientStyle::ArrowL: return (u + cv) / 2.0;
    case GradientStyle::ArrowR: return (1.0 - u + cv) / 2.0;
    case GradientStyle::ArrowU: return (v + cu) / 2.0;
    case GradientStyle::ArrowD: return (1.0 - v + cu) / 2.0;
    case GradientStyle::Diamond: return (cu + cv) / 2.0;
    case GradientStyle::Butterfly: return (1.0 + cu - cv) / 2.0;
    case GradientStyle::RadialRect: return std::max(cu, cv);
    }
    return u;
}

// Normalised coordinate of pixel i of n: 0 at the first, 1 at the last (0.5 when n = 1).
double Normalised(int i, int n) { return n > 1 ? static_cast<double>(i) / (n - 1) : 0.5; }

} // namespace

Picture RenderGradient(Size size, Color begin, Color end, GradientStyle style)
{
    Picture out(size, begin);
    if (out.IsEmpty()) return out;
    // One colour per step of t: 1024 steps are finer than any channel difference.
    constexpr int kSteps = 1024;
    std::vector<Bgr> ramp(kSteps + 1);
    const Bgr b = begin.ToBgr(), e = end.ToBgr();
    for (int i = 0; i <= kSteps; ++i) {
        auto mix = [&](int from, int to) {
            return static_cast<std::uint8_t>(std::lround(from + (to - from) * static_cast<double>(i) / kSteps));
        };
        ramp[static_cast<std::size_t>(i)] = {mix(b.b, e.b), mix(b.g, e.g), mix(b.r, e.r)};
    }
    for (int y = 0; y < out.Height(); ++y) {
        Bgr* row = out.BgrRow(y);
        const double v = Normalised(y, out.Height());
        for (int x = 0; x < out.Width(); ++x) {
            const double t = std::clamp(Position(style, Normalised(x, out.Width()), v), 0.0, 1.0);
            row[x] = ramp[static_cast<std::size_t>(std::lround(t * kSteps))];
        }
    }
    return out;
}

} // namespace ix::gfx
