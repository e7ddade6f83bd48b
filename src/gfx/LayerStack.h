// LayerStack: the ordered layers of a view and its current index.
//
// Index 0 is the background layer; higher indexes are drawn over lower ones. A stack is
// never empty: it starts with one empty layer and removing the last layer is ignored.
// Operations with an index that names no layer throw GfxError and change nothing.
#pragma once

#include "gfx/Layer.h"

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

    const std::vector<Layer>& Layers() const { return layers_; }

private:
    std::vector<Layer> layers_;
    int current_ = 0;
};

} // namespace ix::gfx
