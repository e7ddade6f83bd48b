// LayerStack: the ordered layers of a view and its current index.
//
// Index 0 is the background layer; higher indexes are drawn over lower ones. A stack is
// never empty: it starts with one empty layer and removing the last layer is ignored.
// Operations with an index that names no layer throw GfxError and change nothing.
#pragma once

#include "gfx/Layer.h"
#include "gfx/ResampleFilter.h"

#include <cstddef>
#include <vector>

namespace ix::gfx {

class LayerStack {
public:
    LayerStack();

    int Count() const { return static_cast<int>(layers_.size()); }
    int CurrentIndex() const { return current_; }
    void SetCurrentIndex(int index); // throws GfxError when out of range
    Layer& Current() { return layers_[static_cast<std::size_t>(current_)]; }
    const Layer& Current() const { return layers_[static_cast<std::size_t>(current_)]; }
    Layer& At(int index);             // throws GfxError when out of range
    const Layer& At(int index) const; // throws GfxError when out of range

    // Appends a layer with a white picture of the current picture's size and format, at
    // 0,0, visible, opaque, Normal, and makes it current. Returns its index.
    int Add();
    // Appends the given layer and makes it current.
    int Add(Layer layer);
    // Removes the layer at `index` (ignored while only one layer exists); a mask layer
    // directly above it goes with it. The layer now at `index` becomes current, or the
    // top layer when the top was removed.
    void Remove(int index);
    // Moves the current layer one place up or down; ignored past either end.
    void MoveCurrentUp();
    void MoveCurrentDown();
    // Drops every layer and starts again with `background` as the only layer.
    void Reset(Picture background);

    // Merges layers `first` and `second` (either order): the upper one, when visible, is
    // drawn with its transparency and blend operation onto the lower one, which grows to
    // cover both shown rectangles (uncovered area transparent) and keeps its visibility,
    // transparency and blend operation. The upper layer is removed; the merged layer
    // stays at the lower index and becomes current. A layer merged with itself is left
    // unchanged. Throws GfxError, changing nothing, when an index names no layer or the
    // merged picture cannot be made.
    void Merge(int first, int second, ResampleFilter filter = ResampleFilter::rfFastLinear);
    // Composes every visible layer over `background` onto a picture covering all layers
    // and makes it the only layer, with the settings of a new layer. Throws GfxError,
    // changing nothing, when the composition cannot be made.
    void MergeAll(Color background, ResampleFilter filter = ResampleFilter::rfFastLinear);

    const std::vector<Layer>& Layers() const { return layers_; }

private:
    std::vector<Layer> layers_;
    int current_ = 0;
};

} // namespace ix::gfx
