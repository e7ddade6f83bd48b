// ViewScaler: the composed picture drawn at the view's zoom over the backdrop.
//
// Magnifying picks the nearest picture pixel (the one ScreenToPicture names); reducing
// averages every picture pixel that falls into a screen pixel (premultiplied, so
// transparent pixels weigh nothing), sampling at most about 128 × 128 of them at extreme
// reductions. Screen pixels outside the composition show the backdrop.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/view/LayerComposer.h"

#include <cstdint>
#include <vector>

namespace ix::gfx {

struct ScaleTarget {
    std::uint32_t* pixels = nullptr;  // client-sized, opaque 0xAARRGGBB
    const std::uint32_t* backdrop = nullptr;
    Size client;
};

// Redraws `screenRect` (client coordinates, clipped to the client) of target.
// `origin` is the client position of picture (0, 0) and `factor` the zoom / 100.
void ScaleComposition(const LayerComposer& composer, Point origin, double factor, const Rect& screenRect,
                      const ScaleTarget& target);

} // namespace ix::gfx
