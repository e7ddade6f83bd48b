// PnmCodec: the portable bitmap, greymap and pixmap formats (P1 to P6).
//
// Reads plain and raw files with any maximum value up to 65535, and every image of a
// file that holds several in a row. Bitmaps decode to BlackWhite1. Writes raw files:
// ".pbm" a bitmap, ".pgm" a greymap, ".ppm" a pixmap; ".pxm" and ".pnm" a bitmap for
// BlackWhite1 pictures and a pixmap otherwise. No alpha.
#pragma once

#include "gfx/codecs/Codec.h"

namespace ix::gfx::codecs {

class PnmCodec final : public Codec {
public:
    Format Kind() const override { return Format::Pnm; }
    std::string_view Name() const override { return "PNM"; }
    std::span<const std::string_view> Extensions() const override;
    bool Matches(ByteView data) const override;
    std::vector<Picture> Decode(ByteView data, const DecodeOptions& options) const override;
    bool CanEncode() const override { return true; }
    Bytes Encode(const Picture& picture, const EncodeOptions& options) const override;
};

} // namespace ix::gfx::codecs
