#include "gfx/LayerStack.h"

#include "gfx/GfxError.h"

#include <utility>

namespace ix::gfx {

LayerStack::LayerStack() { layers_.emplace_back(); }

void LayerStack::SetCurrentIndex(int index)
{
    At(index);
    current_ = index;
}

Layer& LayerStack::At(int index)
{
    if (index < 0 || index >= Count()) throw GfxError("layer index out of range");
    return layers_[static_cast<std::size_t>(index)];
}

const Layer& LayerStack::At(int index) const
{
    if (index < 0 || index >= Count()) throw GfxError("layer index out of range");
    return layers_[static_cast<std::size_t>(index)];
}

int LayerStack::Add()
{
    const Picture& model = Current().picture;
    Layer layer;
    layer.picture = Picture(model.GetSize(), colors::White, model.Format());
    return Add(std::move(layer));
}

int LayerStack::Add(Layer layer)
{
    layers_.push_back(std::move(layer));
    current_ = Count() - 1;
    return current_;
}

void LayerStack::Remove(int index)
{
    At(index);
    if (Count() <= 1) return;
    auto first = layers_.begin() + index;
    auto last = first + 1;
    if (last != layers_.end() && last->isMask && Count() > 2) ++last;
    layers_.erase(first, last);
    current_ = index < Count() ? index : Count() - 1;
}

void LayerStack::MoveCurrentUp()
{
    if (current_ + 1 >= Count()) return;
    std::swap(layers_[static_cast<std::size_t>(current_)], layers_[static_cast<std::size_t>(current_ + 1)]);
    ++current_;
}

void LayerStack::MoveCurrentDown()
{
    if (current_ <= 0) return;
    std::swap(layers_[static_cast<std::size_t>(current_)], layers_[static_cast<std::size_t>(current_ - 1)]);
    --current_;
}

void LayerStack::Reset(Picture background)
{
    layers_.clear();
    Layer layer;
    layer.picture = std::move(background);
    layers_.push_back(std::move(layer));
    current_ = 0;
}

} // namespace ix::gfx
