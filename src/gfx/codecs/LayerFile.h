// LayerFile: our own layered-picture file (".lyr"), every layer with its placement.
//
// The layout (little-endian, signature "IXLAYERS", version 1) is written down in
// docs/layer-file.md. Each layer keeps its picture (Bgr24 or BlackWhite1), its alpha
// plane, position, display size, visibility, transparency, blend operation, mask flag,
// rotation and resolution; pixel rows are PackBits-compressed. The reader treats the
// file as hostile: counts and sizes are checked before allocating and every picture must
// come from data present in the file.
#pragma once

#include "gfx/Layer.h"
#include "gfx/codecs/Codec.h"

#include <span>
#include <vector>

namespace ix::gfx::codecs {

inline constexpr char kLayerFileSignature[] = "IXLAYERS"; // 8 bytes, no terminator in the file
inline constexpr int kLayerFileVersion = 1;
inline constexpr int kLayerFileMaxLayers = 4096;

struct LayerDocument {
    std::vector<Layer> layers; // bottom (background) first; never empty when read
    int currentIndex = 0;
};

bool HasLayerFileSignature(ByteView data);
// Throws GfxError for a file without the signature, of a later version, or malformed.
LayerDocument ReadLayerFile(ByteView data, const DecodeLimits& limits = {});
// Throws GfxError for an empty list.
Bytes WriteLayerFile(std::span<const Layer> layers, int currentIndex);

} // namespace ix::gfx::codecs
