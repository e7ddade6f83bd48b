// RgbaImage: a captured picture, R, G, B, A bytes per pixel, rows top-down.
#pragma once

#include <cstdint>
#include <vector>

namespace ix::host {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    const std::uint8_t* Pixel(int x, int y) const
    {
        return rgba.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x) * 4;
    }
};

} // namespace ix::host
