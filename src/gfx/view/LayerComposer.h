// LayerComposer: the visible layers of a stack composed into one premultiplied 32-bit
// picture (0xAARRGGBB, colour already multiplied by alpha), kept between paints.
//
// The composition covers the union of all layers, so a layer moved off the background
// stays visible. Sync() compares every layer's placement and properties with the last
// ones and marks only the touched area (old and new place of a layer) for recomposition;
// pixel changes must be reported with Invalidate(). Layers are placed by nearest
// neighbour at their display size and rotated around their centre. A layer narrower and
// lower than the minimum size and a hidden one are not drawn; everything else is drawn
// as a merge of the layers draws it. The blending itself is Compose's (the layer's
// transparency, alpha and blend operation).
#pragma once

#include "gfx/BlendOp.h"
#include "gfx/Geometry.h"
#include "gfx/LayerStack.h"

#include <cstdint>
#include <vector>

namespace ix::gfx {

class LayerComposer {
public:
    // Reads the stack's placement; marks what changed since the last call.
    void Sync(const LayerStack& layers, int minLayerSize);
    void InvalidateAll() { everything_ = true; }
    void Invalidate(const Rect& pictureRect);
    // Composes every marked area; returns the picture rectangles that were recomposed.
    std::vector<Rect> Compose(const LayerStack& layers);

    Rect Area() const { return area_; }
    // Row y (picture coordinates, area().top <= y < area().bottom), starting at area().left.
    const std::uint32_t* Row(int y) const
    {
        return pixels_.data() + static_cast<std::size_t>(y - area_.top) * static_cast<std::size_t>(area_.Width());
    }

    // Where a layer draws (its rotated box), in picture coordinates.
    static Rect LayerRegion(const Layer& layer);

private:
    struct Signature {
        Size picture;
        const void* pixels = nullptr;
        bool hasAlpha = false;
        Rect region;
        int displayWidth = 0;
        int displayHeight = 0;
        bool drawn = false;
        int transparency = 0;
        BlendOp blend = BlendOp::Normal;
        double rotation = 0.0;
        friend bool operator==(const Signature&, const Signature&) = default;
    };
    static Signature SignatureOf(const Layer& layer, int minLayerSize);
    void ComposeRect(const LayerStack& layers, const Rect& rect);
    static void TurnLayer(const Layer& layer, const Signature& sig, const Rect& part, Picture& out);
    void SetArea(const Rect& area);

    std::vector<Signature> signatures_;
    int minLayerSize_ = 0;
    Rect area_;
    std::vector<std::uint32_t> pixels_;
    std::vector<Rect> dirty_;
    bool everything_ = true;
};

} // namespace ix::gfx
