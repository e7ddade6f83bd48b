#include "gfx/codecs/DecodeSupport.h"

#include "gfx/GfxError.h"

#include <algorithm>
#include <limits>
#include <string>

namespace ix::gfx::codecs {

void CheckDimensions(std::int64_t width, std::int64_t height, const DecodeLimits& limits, const char* format)
{
    if (width <= 0 || height <= 0) throw GfxError(std::string(format) + ": empty picture");
    if (width > limits.maxSide || height > limits.maxSide || width > Picture::kMaxSide || height > Picture::kMaxSide)
        throw GfxError(std::string(format) + ": picture too large");
    // Both sides are at most 2^18, so the product fits in 64 bits.
    if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > limits.maxPixels)
        throw GfxError(std::string(format) + ": picture too large");
}

Picture NewPicture(std::int64_t width, std::int64_t height, PixelFormat pixelFormat, const DecodeLimits& limits,
                   const char* format)
{
    CheckDimensions(width, height, limits, format);
    return Picture(Size{static_cast<int>(width), static_cast<int>(height)}, colors::Black, pixelFormat);
}

std::size_t CheckedProduct(std::uint64_t a, std::uint64_t b, const char* format)
{
    if (a != 0 && b > std::numeric_limits<std::uint32_t>::max() / a) throw GfxError(std::string(format) + ": size overflow");
    return static_cast<std::size_t>(a * b);
}

bool IsBlackWhitePalette(const Palette& palette)
{
    if (palette.size() != 2) return false;
    const Bgr black{0, 0, 0};
    const Bgr white{255, 255, 255};
    return (palette[0] == black && palette[1] == white) || (palette[0] == white && palette[1] == black);
}

Palette GreyPalette(int bits)
{
    const int n = 1 << bits;
    Palette palette(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const auto v = static_cast<std::uint8_t>(i * 255 / (n - 1));
        palette[static_cast<std::size_t>(i)] = Bgr{v, v, v};
    }
    return palette;
}

void StoreIndexedRow(Picture& picture, int y, const std::uint8_t* indexes, const Palette& palette)
{
    const int width = picture.Width();
    if (picture.Format() == PixelFormat::BlackWhite1) {
        std::uint8_t* row = picture.Row(y);
        for (int x = 0; x < width; ++x) {
            const bool white = indexes[x] < palette.size() && palette[indexes[x]].r != 0;
            SetBit(row, x, white);
        }
        return;
    }
    Bgr* row = picture.BgrRow(y);
    for (int x = 0; x < width; ++x) row[x] = indexes[x] < palette.size() ? palette[indexes[x]] : Bgr{};
}

Picture AsBgr24(const Picture& picture)
{
    Picture copy = picture;
    copy.ConvertTo(PixelFormat::Bgr24);
    return copy;
}

bool HasTransparency(const Picture& picture)
{
    if (!picture.HasAlpha()) return false;
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint8_t* a = picture.AlphaRow(y);
        if (std::any_of(a, a + picture.Width(), [](std::uint8_t v) { return v != 255; })) return true;
    }
    return false;
}

} // namespace ix::gfx::codecs
