// Deterministic test pictures for the gfx benchmarks, and the peers' single-thread setup.
//
// PhotoLike: smooth colour fields, a few soft shapes and fine noise, like a photograph
// (no long runs of one colour). FloodScene: a uniform background covering about three
// quarters of the picture with photo-like discs on it.
#pragma once

#include "gfx/Picture.h"

#include <cmath>
#include <cstdint>

#ifdef IX_HAVE_OPENCV
#include <opencv2/core.hpp>
#endif
#ifdef IX_HAVE_VIPS
#include <vips/vips.h>
#endif

namespace ix::bench {

inline constexpr gfx::Size kPhoto{4000, 3000};
inline constexpr gfx::Size kQuarter{1000, 750};

inline std::uint32_t Hash(std::uint32_t v)
{
    v ^= v >> 16;
    v *= 0x7feb352du;
    v ^= v >> 15;
    v *= 0x846ca68bu;
    v ^= v >> 16;
    return v;
}

inline gfx::Picture PhotoLike(gfx::Size size, std::uint32_t seed = 1, bool alpha = false)
{
    gfx::Picture p(size);
    if (alpha) p.EnsureAlpha();
    const double w = size.width, h = size.height;
    for (int y = 0; y < size.height; ++y) {
        gfx::Bgr* row = p.BgrRow(y);
        for (int x = 0; x < size.width; ++x) {
            const double u = x / w, v = y / h;
            const int noise = static_cast<int>(Hash(static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u ^ seed) & 15) - 8;
            const double r = 120 + 90 * std::sin(6.0 * u + seed) * std::cos(4.0 * v);
            const double g = 110 + 80 * std::sin(5.0 * v + 2.0 * u);
            const double b = 100 + 70 * std::cos(7.0 * u * v + seed);
            auto q = [&](double c) { return static_cast<std::uint8_t>(std::clamp(static_cast<int>(c) + noise, 0, 255)); };
            row[x] = {q(b), q(g), q(r)};
        }
        if (alpha) {
            std::uint8_t* a = p.AlphaRow(y);
            for (int x = 0; x < size.width; ++x)
                a[x] = static_cast<std::uint8_t>(127 + 127 * std::sin(x / 97.0) * std::cos(y / 61.0));
        }
    }
    return p;
}

inline gfx::Picture FloodScene(gfx::Size size)
{
    gfx::Picture p = PhotoLike(size, 7);
    gfx::Picture out(size, gfx::colors::White);
    // 300 discs of photo content, about a quarter of the area in all.
    const int radius = static_cast<int>(std::sqrt(0.25 * size.width * size.height / 300.0 / 3.14159));
    for (std::uint32_t i = 0; i < 300; ++i) {
        const int cx = static_cast<int>(Hash(i * 2 + 1) % static_cast<std::uint32_t>(size.width));
        const int cy = static_cast<int>(Hash(i * 2 + 2) % static_cast<std::uint32_t>(size.height));
        for (int y = std::max(0, cy - radius); y < std::min(size.height, cy + radius); ++y)
            for (int x = std::max(0, cx - radius); x < std::min(size.width, cx + radius); ++x)
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) < radius * radius) out.BgrRow(y)[x] = p.BgrRow(y)[x];
    }
    return out;
}

// Peers run on one thread, as we do; vips also gets its cache switched off so every
// iteration computes.
inline void PeersSingleThreaded()
{
    static const bool done = [] {
#ifdef IX_HAVE_OPENCV
        cv::setNumThreads(1);
#endif
#ifdef IX_HAVE_VIPS
        if (VIPS_INIT("ixbench") == 0) {
            vips_concurrency_set(1);
            vips_cache_set_max(0);
        }
#endif
        return true;
    }();
    (void)done;
}

#ifdef IX_HAVE_OPENCV
// A picture's pixels as an OpenCV matrix (3 channels, same memory).
inline cv::Mat AsMat(gfx::Picture& p) { return cv::Mat(p.Height(), p.Width(), CV_8UC3, p.Row(0)); }
#endif

} // namespace ix::bench
