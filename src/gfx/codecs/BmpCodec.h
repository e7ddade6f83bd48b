// BmpCodec: Windows bitmaps.
//
// Reads 1, 4, 8, 16, 24 and 32 bits per pixel, BI_RGB, BI_BITFIELDS, RLE8 and RLE4,
// bottom-up and top-down, with OS/2 core and Windows 3 to 5 headers. 32-bit files give
// alpha when the header names an alpha mask, or for BI_RGB when any fourth byte is not 0.
// A 1-bit file with a black-and-white palette decodes to BlackWhite1.
// Writes BlackWhite1 as 1 bit, opaque pictures as 24 bits, pictures with transparency as
// 32-bit BITMAPV4 with an alpha mask.
#pragma once

#include "gfx/codecs/Codec.h"

namespace ix::gfx::codecs {

class BmpCodec final : public Codec {
public:
    Format Kind() const override { return Format::Bmp; }
    std::string_view Name() const override { return "BMP"; }
    std::span<const std::string_view> Extensions() const override;
    bool Matches(ByteView data) const override;
    std::vector<Picture> Decode(ByteView data, const DecodeOptions& options) const override;
    bool CanEncode() const override { return true; }
    Bytes Encode(const Picture& picture, const EncodeOptions& options) const override;
};

// A device-independent bitmap without file header (header, palette, pixels), as icons
// and the clipboard carry it. With `icon` the height covers the colour rows and the AND
// mask below them; the mask (or the 32-bit alpha bytes when any is set) gives alpha.
Picture DecodeDib(ByteView dib, const DecodeLimits& limits, bool icon);
// A DIB of the picture (BITMAPINFOHEADER, 24 or 32 bits, bottom-up), for icons: with
// `icon` an AND mask follows and the height field is doubled.
Bytes EncodeDib(const Picture& picture, bool icon);

} // namespace ix::gfx::codecs
