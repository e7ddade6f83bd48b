// Layer: one picture of a layer stack with how it is placed and blended.
//
// Positions are in pixels of layer 0. A display width or height of 0 means the picture's
// own size. Transparency is stored as given (scripts may write anything); composition
// clamps it to 0..255, 255 being opaque.
#pragma once

#include "gfx/BlendOp.h"
#include "gfx/Picture.h"

#include <limits>

namespace ix::gfx {

struct Layer {
    Picture picture;
    int posX = 0;
    int posY = 0;
    int displayWidth = 0;
    int displayHeight = 0;
    bool visible = true;
    int transparency = 255;
    BlendOp blend = BlendOp::Normal;
    bool isMask = false;   // a selection-mask overlay layer that belongs to the layer below
    double rotation = 0.0; // degrees, counter-clockwise, around the layer's centre

    int ShownWidth() const { return displayWidth > 0 ? displayWidth : picture.Width(); }
    int ShownHeight() const { return displayHeight > 0 ? displayHeight : picture.Height(); }
    // Far-away positions saturate instead of overflowing.
    Rect ShownRect() const
    {
        auto edge = [](int pos, int length) {
            const long long e = static_cast<long long>(pos) + length;
            return static_cast<int>(e > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : e);
        };
        return {posX, posY, edge(posX, ShownWidth()), edge(posY, ShownHeight())};
    }
};

} // namespace ix::gfx
