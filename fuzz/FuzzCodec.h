// What every codec fuzz target does with its input: decode it with every image and, for
// Photoshop files, every layer, under limits small enough that a run never needs more
// than a few hundred megabytes. Refusals (GfxError) are the expected outcome of most
// inputs; anything else that escapes, or a sanitizer report, is a finding.
#pragma once

#include "gfx/GfxError.h"
#include "gfx/codecs/Codec.h"

#include <cstddef>
#include <cstdint>

namespace ix::gfx::codecs::fuzz {

inline DecodeOptions Options()
{
    DecodeOptions options;
    options.allFrames = true;
    options.limits.maxSide = 1 << 14;
    options.limits.maxPixels = std::uint64_t{1} << 22;
    options.limits.maxFrames = 16;
    return options;
}

inline void Decode(const Codec& codec, const std::uint8_t* data, std::size_t size)
{
    const ByteView bytes(data, size);
    codec.Matches(bytes);
    try {
        codec.Decode(bytes, Options());
    } catch (const GfxError&) {
    }
}

} // namespace ix::gfx::codecs::fuzz
