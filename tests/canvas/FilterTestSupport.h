// Small bitmaps for the filter tests: grey pictures written and read as rows of levels
// (all three bytes of a pixel equal), and per-byte access.
#pragma once

#include "gfx/Picture.h"

#include <cstdint>
#include <vector>

namespace ix::canvas::test {

using Levels = std::vector<std::vector<int>>;

inline gfx::Picture GreyPicture(const Levels& rows)
{
    const int h = static_cast<int>(rows.size());
    const int w = h == 0 ? 0 : static_cast<int>(rows[0].size());
    gfx::Picture p({w, h});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.SetPixel({x, y}, gfx::Color::FromRgb(rows[y][x], rows[y][x], rows[y][x]));
    return p;
}

// The levels of a grey picture; a pixel whose bytes differ reads as -1.
inline Levels GreyLevels(const gfx::Picture& p)
{
    Levels rows(static_cast<std::size_t>(p.Height()), std::vector<int>(static_cast<std::size_t>(p.Width())));
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            const gfx::Bgr v = p.BgrRow(y)[x];
            rows[y][x] = v.b == v.g && v.g == v.r ? v.b : -1;
        }
    return rows;
}

// A one-pixel picture with the given blue, green and red bytes.
inline gfx::Picture Pixel(int b, int g, int r)
{
    gfx::Picture p({1, 1});
    p.BgrRow(0)[0] = gfx::Bgr{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(r)};
    return p;
}

} // namespace ix::canvas::test
