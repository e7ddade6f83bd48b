#include "gfx/ops/Flip.h"

#include <algorithm>
#include <vector>

namespace ix::gfx {

namespace {

void ReverseBits(std::uint8_t* row, int width)
{
    for (int i = 0, j = width - 1; i < j; ++i, --j) {
        const bool a = (row[i >> 3] >> (7 - (i & 7))) & 1;
        const bool b = (row[j >> 3] >> (7 - (j & 7))) & 1;
        const auto maskI = static_cast<std::uint8_t>(0x80u >> (i & 7));
        const auto maskJ = static_cast<std::uint8_t>(0x80u >> (j & 7));
        row[i >> 3] = static_cast<std::uint8_t>(b ? row[i >> 3] | maskI : row[i >> 3] & ~maskI);
        row[j >> 3] = static_cast<std::uint8_t>(a ? row[j >> 3] | maskJ : row[j >> 3] & ~maskJ);
    }
}

} // namespace

void Flip(Picture& picture, FlipDirection direction)
{
    if (picture.IsEmpty()) return;
    const int w = picture.Width();
    const int h = picture.Height();
    if (direction == FlipDirection::Horizontal) {
        for (int y = 0; y < h; ++y) {
            if (picture.Format() == PixelFormat::Bgr24) {
                std::reverse(picture.BgrRow(y), picture.BgrRow(y) + w);
            } else {
                ReverseBits(picture.Row(y), w);
            }
            if (picture.HasAlpha()) std::reverse(picture.AlphaRow(y), picture.AlphaRow(y) + w);
        }
        return;
    }
    for (int top = 0, bottom = h - 1; top < bottom; ++top, --bottom) {
        std::swap_ranges(picture.Row(top), picture.Row(top) + picture.Stride(), picture.Row(bottom));
        if (picture.HasAlpha()) std::swap_ranges(picture.AlphaRow(top), picture.AlphaRow(top) + w, picture.AlphaRow(bottom));
    }
}

} // namespace ix::gfx
