// TgaCodec: Truevision Targa.
//
// Reads colour-mapped, true-colour and grey images, raw and run-length encoded, 8, 15,
// 16, 24 and 32 bits, any origin corner. 32-bit images give alpha when the descriptor
// announces alpha bits, or when any alpha byte is not 0. Writes 24 bits, or 32 bits with
// alpha when the picture has transparency, run-length encoded, with the version 2 footer.
// The format has no signature: a file is recognised by plausible header fields.
#pragma once

#include "gfx/codecs/Codec.h"

namespace ix::gfx::codecs {

class TgaCodec final : public Codec {
public:
    Format Kind() const override { return Format::Tga; }
    std::string_view Name() const override { return "TGA"; }
    std::span<const std::string_view> Extensions() const override;
    bool Matches(ByteView data) const override;
    std::vector<Picture> Decode(ByteView data, const DecodeOptions& options) const override;
    bool CanEncode() const override { return true; }
    Bytes Encode(const Picture& picture, const EncodeOptions& options) const override;
};

} // namespace ix::gfx::codecs
