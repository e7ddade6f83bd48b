// DecodeSupport: the checks and pixel conversions the decoders and encoders share.
//
// NewPicture is the one place a decoder allocates its picture: it refuses sizes beyond
// the caller's DecodeLimits and beyond Picture's own ceiling before any allocation.
// Palettes hold Bgr entries; a palette of exactly black and white makes 1-bit pictures.
#pragma once

#include "gfx/codecs/Codec.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ix::gfx::codecs {

// Throws GfxError("<format>: ...") unless 0 < width, height <= maxSide and
// width·height <= maxPixels.
void CheckDimensions(std::int64_t width, std::int64_t height, const DecodeLimits& limits, const char* format);
Picture NewPicture(std::int64_t width, std::int64_t height, PixelFormat pixelFormat, const DecodeLimits& limits,
                   const char* format);

// a·b, or GfxError when the product does not fit in 32 bits (sizes we ever allocate).
std::size_t CheckedProduct(std::uint64_t a, std::uint64_t b, const char* format);

using Palette = std::vector<Bgr>;

// True when the palette has two entries, black and white in either order.
bool IsBlackWhitePalette(const Palette& palette);
// Grey levels 0..255 spread over 2^bits entries.
Palette GreyPalette(int bits);

// Sets pixel x of a BlackWhite1 row.
inline void SetBit(std::uint8_t* row, int x, bool white)
{
    const std::uint8_t mask = static_cast<std::uint8_t>(0x80u >> (x & 7));
    if (white) row[x >> 3] |= mask; else row[x >> 3] &= static_cast<std::uint8_t>(~mask);
}
inline bool GetBit(const std::uint8_t* row, int x) { return (row[x >> 3] >> (7 - (x & 7))) & 1; }

// Stores a row of palette indexes into row y: Bgr24 looks every index up (out-of-range
// indexes give black), BlackWhite1 sets the bit where the entry is white.
void StoreIndexedRow(Picture& picture, int y, const std::uint8_t* indexes, const Palette& palette);

// A Bgr24 copy of any picture (alpha kept).
Picture AsBgr24(const Picture& picture);

// The picture itself when it is Bgr24, else a Bgr24 copy: encoders read through it
// without copying the common case.
class Bgr24Source {
public:
    explicit Bgr24Source(const Picture& picture)
        : picture_(picture.Format() == PixelFormat::Bgr24 ? &picture : nullptr)
    {
        if (!picture_) {
            copy_ = AsBgr24(picture);
            picture_ = &copy_;
        }
    }
    Bgr24Source(const Bgr24Source&) = delete;
    Bgr24Source& operator=(const Bgr24Source&) = delete;
    const Picture& operator*() const { return *picture_; }
    const Picture* operator->() const { return picture_; }

private:
    Picture copy_;
    const Picture* picture_;
};
// Whether any pixel of the alpha plane is below 255.
bool HasTransparency(const Picture& picture);

} // namespace ix::gfx::codecs
