// IcoCodec and CurCodec: Windows icons and cursors.
//
// Reads every entry (DIB with AND mask, 1 to 32 bits, or PNG-compressed); the first
// image is the first entry of the directory. Alpha comes from the 32-bit alpha bytes,
// else from the AND mask. Writes a one-entry icon: a 32-bit DIB up to 256 pixels a side,
// PNG-compressed beyond (when the build has a PNG encoder). Cursors are read only.
#pragma once

#include "gfx/codecs/Codec.h"

namespace ix::gfx::codecs {

class IcoCodec final : public Codec {
public:
    Format Kind() const override { return Format::Ico; }
    std::string_view Name() const override { return "ICO"; }
    std::span<const std::string_view> Extensions() const override;
    bool Matches(ByteView data) const override;
    std::vector<Picture> Decode(ByteView data, const DecodeOptions& options) const override;
    bool CanEncode() const override { return true; }
    Bytes Encode(const Picture& picture, const EncodeOptions& options) const override;
};

class CurCodec final : public Codec {
public:
    Format Kind() const override { return Format::Cur; }
    std::string_view Name() const override { return "CUR"; }
    std::span<const std::string_view> Extensions() const override;
    bool Matches(ByteView data) const override;
    std::vector<Picture> Decode(ByteView data, const DecodeOptions& options) const override;
};

} // namespace ix::gfx::codecs
