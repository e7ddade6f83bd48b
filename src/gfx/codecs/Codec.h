// Codec: the one interface every picture file format implements.
//
// A codec recognises its format by content (Matches), decodes the first image or every
// image of a file (Decode) and, when it can, encodes one picture (Encode). Decoded
// pictures are 24-bit Bgr, with an alpha plane when the file stores transparency, or
// BlackWhite1 when the file is black and white (1-bit with a black and a white colour).
//
// Input is hostile: every decoder checks the declared dimensions against DecodeLimits
// before allocating, checks every size product, and throws GfxError for a truncated or
// malformed file. Decode never returns an empty list. Codecs hold no mutable state, so
// one instance serves every canvas.
#pragma once

#include "gfx/Picture.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace ix::gfx::codecs {

using ByteView = std::span<const std::uint8_t>;
using Bytes = std::vector<std::uint8_t>;

enum class Format {
    Bmp, Png, Jpeg, Tiff, Gif, Pcx, Dcx, Tga, Pnm, Wbmp, Ico, Cur, Psd, JpegXr, Dds,
};

struct DecodeLimits {
    int maxSide = Picture::kMaxSide;
    std::uint64_t maxPixels = std::uint64_t{1} << 27; // 128 Mpx: 384 MiB of 24-bit rows
    int maxFrames = 1024;
};

struct DecodeOptions {
    bool allFrames = false; // otherwise only the first image of a multi-image file
    DecodeLimits limits;
};

struct EncodeOptions {
    int jpegQuality = 90;   // 1..100
    int pngCompression = 6; // zlib level 0..9
    // The target's extension (".pgm"), for codecs whose extensions pick a variant.
    std::string_view extension;
};

class Codec {
public:
    virtual ~Codec() = default;

    virtual Format Kind() const = 0;
    virtual std::string_view Name() const = 0;
    // The file extensions (lower case, with the dot) this codec writes or names.
    virtual std::span<const std::string_view> Extensions() const = 0;
    // Whether the data looks like this format. Cheap; reads only the first bytes.
    virtual bool Matches(ByteView data) const = 0;

    // The first image, or every image with options.allFrames. Throws GfxError.
    virtual std::vector<Picture> Decode(ByteView data, const DecodeOptions& options) const = 0;

    virtual bool CanEncode() const { return false; }
    // The file bytes of `picture`. Throws GfxError (also when !CanEncode()).
    virtual Bytes Encode(const Picture& picture, const EncodeOptions& options) const;
};

} // namespace ix::gfx::codecs
