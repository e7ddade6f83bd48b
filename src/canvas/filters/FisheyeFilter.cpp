#include "canvas/filters/FisheyeFilter.h"

#include <cmath>

namespace ix::canvas {

namespace {

struct Axis {
    std::int64_t t = 0; // the wrapped whole sample position
    float w0 = 0;       // weight of t
    float w1 = 0;       // weight of the neighbour after t
};

// Splits a sample position into its whole part and the two weights, then wraps the
// whole part into 0 .. n − 1. Nothing when the position has no 64-bit whole part.
bool SplitAxis(float s, int n, Axis& axis)
{
    constexpr float kLimit = 9.2e18f;
    if (!(std::fabs(s) < kLimit)) return false; // also refuses NaN
    const auto t = static_cast<std::int64_t>(s); // truncation toward zero
    if (s >= 0) {
        const float f = s - static_cast<float>(t);
        axis.w0 = 1 - f;
        axis.w1 = f;
    } else {
        const float f = static_cast<float>(t) - s;
        axis.w0 = f;
        axis.w1 = 1 - f;
    }
    if (t < 0)
        axis.t = (n - 1) - (-t) % n;
    else if (t > n - 1)
        axis.t = t % n;
    else
        axis.t = t;
    return true;
}

// The neighbour index; past the last index it folds back as n − t − a.
int Neighbour(std::int64_t t, int a, int n) { return static_cast<int>(t + a < n ? t + a : n - t - a); }

} // namespace

void FisheyeFilter(const gfx::Picture& source, gfx::Picture& target, std::int64_t k)
{
    const int W = source.Width();
    const int H = source.Height();
    if (target.GetSize() != source.GetSize() || source.Format() != gfx::PixelFormat::Bgr24 ||
        target.Format() != gfx::PixelFormat::Bgr24 || W == 0 || H == 0)
        return;

    const float cx = static_cast<float>(W) / 2;
    const float cy = static_cast<float>(H) / 2;
    const float R = static_cast<float>(k) * static_cast<float>(W);
    for (int j = 0; j < H; ++j) {
        std::uint8_t* out = target.Row(j);
        for (int i = 0; i < W; ++i, out += 3) {
            const float dx = static_cast<float>(i) - cx;
            const float dy = static_cast<float>(j) - cy;
            const float d = std::sqrt(dx * dx + dy * dy);
            float sx = cx;
            float sy = cy;
            // With R = 0 the lens collapses: every sample lands on the centre.
            if (d != 0 && R != 0) {
                const float q = 1 - d / R;
                if (q == 0) continue; // exactly on the lens rim: no finite sample
                const float g = (1 / q - 1) * R / 2;
                sx = cx + dx * g / d;
                sy = cy + dy * g / d;
            }
            Axis ax;
            Axis ay;
            if (!SplitAxis(sx, W, ax) || !SplitAxis(sy, H, ay)) continue;

            float sum[3] = {0, 0, 0};
            const float wx[2] = {ax.w0, ax.w1};
            const float wy[2] = {ay.w0, ay.w1};
            for (int a = 0; a < 2; ++a) {
                const int column = Neighbour(ax.t, a, W);
                for (int b = 0; b < 2; ++b) {
                    const std::uint8_t* p = source.Row(Neighbour(ay.t, b, H)) + column * 3;
                    const float weight = wx[a] * wy[b];
                    for (int c = 0; c < 3; ++c) sum[c] += weight * static_cast<float>(p[c]);
                }
            }
            for (int c = 0; c < 3; ++c)
                out[c] = static_cast<std::uint8_t>(static_cast<std::int64_t>(std::nearbyint(sum[c])) & 0xFF);
        }
    }
}

} // namespace ix::canvas
