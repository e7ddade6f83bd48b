// SelectedArea: which pixels of a layer's picture a processing operation works on, and how
// strongly.
//
// The view keeps its selection as a mask in layer-0 pixels; a layer lies at its own
// position, so the operation sees the mask shifted by that position. Without a mask (or
// with an empty one) the whole picture is worked on at full strength. Mask values mix the
// operation's result into the picture: 255 takes the result exactly, 0 leaves the pixel.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Picture.h"
#include "gfx/view/Selection.h"

#include <array>
#include <cstdint>

namespace ix::gfx {

class ImageView;

class SelectedArea {
public:
    SelectedArea() = default; // the whole picture
    // The selection as seen from a layer whose top-left pixel is the layer-0 pixel `layerAt`.
    SelectedArea(const Selection& selection, Point layerAt)
        : mask_(selection.IsEmpty() ? nullptr : &selection), offset_(layerAt)
    {
    }

    bool IsWhole() const { return mask_ == nullptr; }
    // The strength at pixel (x, y) of the layer's picture.
    std::uint8_t At(int x, int y) const { return mask_ == nullptr ? 255 : mask_->At({x + offset_.x, y + offset_.y}); }
    // The part of a picture of `size` that can change: the selection's box in the layer's
    // pixels, clipped to the picture; the whole picture without a mask.
    Rect Box(Size size) const;

private:
    const Selection* mask_ = nullptr;
    Point offset_;
};

// The view's selection as seen from its current layer.
SelectedArea CurrentLayerArea(const ImageView& view);

// One channel moved from `from` toward `to` by amount / 255, rounded to nearest.
constexpr std::uint8_t MixChannel(std::uint8_t from, std::uint8_t to, std::uint8_t amount)
{
    const int d = (to - from) * amount;
    return static_cast<std::uint8_t>(from + (d >= 0 ? d + 127 : d - 127) / 255);
}

constexpr Bgr MixBgr(Bgr from, Bgr to, std::uint8_t amount)
{
    return {MixChannel(from.b, to.b, amount), MixChannel(from.g, to.g, amount), MixChannel(from.r, to.r, amount)};
}

// Operations work on 24-bit colour: a black-and-white picture is converted first.
void EnsureColourPicture(Picture& picture);
// The picture itself when it is 24-bit colour, else a colour copy of it made in `scratch`.
const Picture& AsColour(const Picture& picture, Picture& scratch);

// Every selected pixel p of the picture becomes map(p), mixed in by the mask value.
template <typename Map>
void MapSelected(Picture& picture, const SelectedArea& area, Map&& map)
{
    if (picture.IsEmpty()) return;
    EnsureColourPicture(picture);
    const Rect box = area.Box(picture.GetSize());
    for (int y = box.top; y < box.bottom; ++y) {
        Bgr* row = picture.BgrRow(y);
        for (int x = box.left; x < box.right; ++x) {
            const std::uint8_t m = area.At(x, y);
            if (m == 0) continue;
            const Bgr q = map(row[x], x, y);
            row[x] = m == 255 ? q : MixBgr(row[x], q, m);
        }
    }
}

// A channel curve: each of red, green and blue c becomes table[c].
using ChannelTable = std::array<std::uint8_t, 256>;
void ApplyChannelTable(Picture& picture, const ChannelTable& table, const SelectedArea& area);

} // namespace ix::gfx
