// Quantize: a picture as palette indexes, for the 8-bit formats (GIF).
//
// A picture with at most 256 colours (255 when it has transparency) keeps its exact
// colours; beyond that every pixel takes the nearest colour of a fixed 6 × 7 × 6 cube
// (no dithering, so the result does not depend on the neighbours). Pixels with alpha
// below 128 take the transparent entry 0.
#pragma once

#include "gfx/Picture.h"

#include <cstdint>
#include <vector>

namespace ix::gfx::codecs {

struct IndexedPicture {
    std::vector<Bgr> palette; // at most 256 entries
    std::vector<std::uint8_t> indexes; // width × height, row by row
    int transparentIndex = -1;
};

IndexedPicture ToIndexed(const Picture& picture);

} // namespace ix::gfx::codecs
