// ViewRenderer: paints an ImageView — backdrop, composed layers at the view's zoom,
// grid, layer frames, selection outline and grips, and the rubber band being drawn.
//
// Three caches keep repeated paints cheap: the composed layers at picture resolution
// (LayerComposer), the backdrop, and the whole client area as it looks without overlays.
// A change of zoom or scroll redraws the client cache from the composition; a change of
// a few layer pixels recomposes and redraws just their rectangle; an unchanged view is a
// copy plus the overlays. The selection outline is traced once per selection and placement.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Surface.h"
#include "gfx/view/Backdrop.h"
#include "gfx/view/LayerComposer.h"

#include <cstdint>
#include <vector>

namespace ix::gfx {

class ImageView;
class ClientCanvas;

class ViewRenderer {
public:
    void InvalidateComposition() { composer_.InvalidateAll(); }
    void InvalidateCompositionRect(const Rect& pictureRect, const Layer* rotated);
    void InvalidateBackdrop() { ++wallpaperVersion_; }
    void InvalidateOverlay() { outlineValid_ = false; }
    // `clip` in surface coordinates, as ImageView::Paint.
    void Paint(const ImageView& view, Surface& target, const Rect& dest, const Rect& clip);

private:
    struct ClientKey {
        BackdropLook look;
        Point origin;
        double factor = 0;
        Rect area;
        friend bool operator==(const ClientKey&, const ClientKey&) = default;
    };
    struct OutlineKey {
        std::uint64_t version = 0;
        Point origin;
        double factor = 0;
        Size client;
        friend bool operator==(const OutlineKey&, const OutlineKey&) = default;
    };
    void UpdateClientCache(const ImageView& view, const std::vector<Rect>& changed);
    void TraceOutline(const ImageView& view);
    void DrawGrid(const ImageView& view, ClientCanvas& canvas) const;
    void DrawLayerFrames(const ImageView& view, ClientCanvas& canvas) const;
    void DrawSelection(const ImageView& view, ClientCanvas& canvas);
    void DrawBand(const ImageView& view, ClientCanvas& canvas) const;

    LayerComposer composer_;
    std::uint64_t wallpaperVersion_ = 0;
    BackdropLook backdropLook_;
    bool backdropValid_ = false;
    std::vector<std::uint32_t> backdrop_;
    ClientKey clientKey_;
    bool clientValid_ = false;
    std::vector<std::uint32_t> client_;
    OutlineKey outlineKey_;
    bool outlineValid_ = false;
    std::vector<Point> outline_;
};

} // namespace ix::gfx
