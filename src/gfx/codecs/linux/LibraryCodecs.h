// LibraryCodecs: PNG, JPEG, TIFF and GIF through the system libraries of Linux
// (libpng, libjpeg-turbo, libtiff, giflib).
//
// Each library is held to our DecodeLimits before it allocates (libpng user limits,
// libjpeg-turbo's memory ceiling and a scan count limit, libtiff's per-open allocation
// ceiling, giflib dimensions checked before the first row). Errors never leave the
// library through global state: libpng and libjpeg report through setjmp frames that hold
// no C++ objects, libtiff through handlers given to each open, giflib through its codes.
//
// PNG: 1-bit grey and black-and-white palettes give BlackWhite1; alpha and tRNS give an
// alpha plane; 16-bit samples are reduced to 8. Writes 1-bit grey, 24-bit or 32-bit.
// JPEG: grey, colour and CMYK files; writes 24-bit at EncodeOptions::jpegQuality.
// TIFF: every directory; bilevel gives BlackWhite1; writes LZW-compressed 1, 24 or 32 bits.
// GIF: frames composed on the logical screen as a viewer shows them; writes one 8-bit
// frame with the exact colours when there are at most 256, else a fixed 252-colour cube.
#pragma once

#include "gfx/codecs/Codec.h"

namespace ix::gfx::codecs {

class PngCodec final : public Codec {
public:
    Format Kind() const override { return Format::Png; }
    std::string_view Name() const override { return "PNG"; }
    std::span<const std::string_view> Extensions() const override;
    bool Matches(ByteView data) const override;
    std::vector<Picture> Decode(ByteView data, const DecodeOptions& options) const override;
    bool CanEncode() const override { return true; }
    Bytes Encode(const Picture& picture, const EncodeOptions& options) const override;
};

class JpegCodec final : public Codec {
public:
    Format Kind() const override { return Format::Jpeg; }
    std::string_view Name() const override { return "JPEG"; }
    std::span<const std::string_view> Extensions() const override;
    bool Matches(ByteView data) const override;
    std::vector<Picture> Decode(ByteView data, const DecodeOptions& options) const override;
    bool CanEncode() const override { return true; }
    Bytes Encode(const Picture& picture, const EncodeOptions& options) const override;
};

class TiffCodec final : public Codec {
public:
    Format Kind() const override { return Format::Tiff; }
    std::string_view Name() const override { return "TIFF"; }
    std::span<const std::string_view> Extensions() const override;
    bool Matches(ByteView data) const override;
    std::vector<Picture> Decode(ByteView data, const DecodeOptions& options) const override;
    bool CanEncode() const override { return true; }
    Bytes Encode(const Picture& picture, const EncodeOptions& options) const override;
};

class GifCodec final : public Codec {
public:
    Format Kind() const override { return Format::Gif; }
    std::string_view Name() const override { return "GIF"; }
    std::span<const std::string_view> Extensions() const override;
    bool Matches(ByteView data) const override;
    std::vector<Picture> Decode(ByteView data, const DecodeOptions& options) const override;
    bool CanEncode() const override { return true; }
    Bytes Encode(const Picture& picture, const EncodeOptions& options) const override;
};

} // namespace ix::gfx::codecs
