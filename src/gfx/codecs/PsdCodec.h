// PsdCodec: Photoshop documents (version 1, not the large-document variant).
//
// Decode gives the composite image stored at the end of the file: bitmap (BlackWhite1),
// grey, indexed, RGB and CMYK, 8 or 16 bits, raw or PackBits; alpha from the merged
// transparency channel. DecodePsdLayers gives the layers (raster layers only; groups and
// empty layers are skipped) with position, visibility, opacity and the blend mode mapped
// to the nearest of our operations. ZIP-compressed channels and 32-bit files are refused.
#pragma once

#include "gfx/Layer.h"
#include "gfx/codecs/Codec.h"

#include <optional>
#include <string_view>

namespace ix::gfx::codecs {

class PsdCodec final : public Codec {
public:
    Format Kind() const override { return Format::Psd; }
    std::string_view Name() const override { return "PSD"; }
    std::span<const std::string_view> Extensions() const override;
    bool Matches(ByteView data) const override;
    std::vector<Picture> Decode(ByteView data, const DecodeOptions& options) const override;
};

// The layers bottom first; a file without layers gives its composite as one layer.
// Throws GfxError.
std::vector<Layer> DecodePsdLayers(ByteView data, const DecodeLimits& limits);

// Our operation for a Photoshop blend-mode key ("norm", "mul ", ...); Normal for keys
// with no counterpart.
BlendOp BlendOpForPsdKey(std::string_view key);

} // namespace ix::gfx::codecs
