// PcxCodec and DcxCodec: ZSoft PaintBrush pictures and their multi-page container.
//
// Reads 1-bit (BlackWhite1 for one plane), 4-plane 16-colour, 8-bit palette, 24-bit
// (three planes) and 32-bit (four planes, alpha) pictures, run-length encoded or raw.
// Writes BlackWhite1 as one 1-bit plane and everything else as three 8-bit planes,
// run-length encoded; no alpha. A DCX file holds up to 1023 PCX pages; the writer makes
// a one-page DCX.
#pragma once

#include "gfx/codecs/Codec.h"

namespace ix::gfx::codecs {

class PcxCodec final : public Codec {
public:
    Format Kind() const override { return Format::Pcx; }
    std::string_view Name() const override { return "PCX"; }
    std::span<const std::string_view> Extensions() const override;
    bool Matches(ByteView data) const override;
    std::vector<Picture> Decode(ByteView data, const DecodeOptions& options) const override;
    bool CanEncode() const override { return true; }
    Bytes Encode(const Picture& picture, const EncodeOptions& options) const override;
};

class DcxCodec final : public Codec {
public:
    Format Kind() const override { return Format::Dcx; }
    std::string_view Name() const override { return "DCX"; }
    std::span<const std::string_view> Extensions() const override;
    bool Matches(ByteView data) const override;
    std::vector<Picture> Decode(ByteView data, const DecodeOptions& options) const override;
    bool CanEncode() const override { return true; }
    Bytes Encode(const Picture& picture, const EncodeOptions& options) const override;
};

} // namespace ix::gfx::codecs
