// Fixtures and comparisons shared by the codec tests.
#pragma once

#include "gfx/Picture.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace ix::gfx::codecs::testing {

// A 23 × 17 picture (odd sizes catch row padding mistakes) with many distinct colours.
inline Picture ColourPicture(int width = 23, int height = 17)
{
    Picture p(Size{width, height});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.SetPixel({x, y}, Color::FromRgb(x * 11 % 256, y * 15 % 256, (x * y * 7 + 40) % 256));
    return p;
}

// Smooth colours, for lossy codecs.
inline Picture SmoothPicture(int width = 48, int height = 32)
{
    Picture p(Size{width, height});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.SetPixel({x, y}, Color::FromRgb(x * 255 / width, y * 255 / height, 128));
    return p;
}

// At most `colours` distinct colours (for palette formats).
inline Picture FewColourPicture(int colours = 7)
{
    Picture p(Size{19, 13});
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            const int k = (x / 3 + y / 2) % colours;
            p.SetPixel({x, y}, Color::FromRgb(k * 37 % 256, 255 - k * 20, k * 90 % 256));
        }
    return p;
}

// ColourPicture with an alpha ramp; `binary` keeps alpha at 0 or 255 only.
inline Picture AlphaPicture(bool binary = false, int colours = 0)
{
    Picture p = colours ? FewColourPicture(colours) : ColourPicture();
    p.EnsureAlpha(255);
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            const int a = (x * 255 / (p.Width() - 1) + y) % 256;
            p.AlphaRow(y)[x] = static_cast<std::uint8_t>(binary ? (a < 128 ? 0 : 255) : a);
        }
    return p;
}

inline Picture BlackWhitePicture()
{
    Picture p(Size{21, 11}, colors::White, PixelFormat::BlackWhite1);
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            if ((x * x + y * 3) % 5 < 2) p.SetPixel({x, y}, colors::Black);
    return p;
}

// The largest difference of any colour channel between two pictures of the same size.
inline int MaxChannelDifference(const Picture& a, const Picture& b)
{
    int worst = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            const Color p = a.GetPixel({x, y}), q = b.GetPixel({x, y});
            worst = std::max({worst, std::abs(p.R() - q.R()), std::abs(p.G() - q.G()), std::abs(p.B() - q.B())});
        }
    return worst;
}

// Whether the pixels (and alpha, where either has it) are the same; dpi is ignored.
inline bool SamePixels(const Picture& a, const Picture& b)
{
    if (a.GetSize() != b.GetSize()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.GetPixel({x, y}) != b.GetPixel({x, y}) || a.GetAlpha({x, y}) != b.GetAlpha({x, y})) return false;
    return true;
}

} // namespace ix::gfx::codecs::testing
