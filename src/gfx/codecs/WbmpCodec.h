// WbmpCodec: the wireless bitmap (type 0), one bit per pixel, set bits white.
//
// Decodes to BlackWhite1; writes any picture as a bitmap (luminance threshold). The
// format has no signature: a file is recognised only when its size is exactly what
// its header announces.
#pragma once

#include "gfx/codecs/Codec.h"

namespace ix::gfx::codecs {

class WbmpCodec final : public Codec {
public:
    Format Kind() const override { return Format::Wbmp; }
    std::string_view Name() const override { return "WBMP"; }
    std::span<const std::string_view> Extensions() const override;
    bool Matches(ByteView data) const override;
    std::vector<Picture> Decode(ByteView data, const DecodeOptions& options) const override;
    bool CanEncode() const override { return true; }
    Bytes Encode(const Picture& picture, const EncodeOptions& options) const override;
};

} // namespace ix::gfx::codecs
