#include "gfx/LayerStack.h"

#include "gfx/Compose.h"
#include "gfx/GfxError.h"

#include <algorithm>
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

void LayerStack::Merge(int first, int second, ResampleFilter filter)
{
    At(first);
    At(second);
    if (first == second) return;
    const int lo = std::min(first, second);
    const int hi = std::max(first, second);
    const Layer& lower = At(lo);
    const Layer& upper = At(hi);
    const Rect lowerRect = lower.ShownRect();
    const Rect area = upper.visible ? lowerRect.United(upper.ShownRect()) : lowerRect;

    Picture merged;
    if (area == lowerRect && lower.picture.GetSize() == lowerRect.GetSize()) {
        merged = lower.picture;
    } else {
        merged = Picture(area.GetSize(), colors::White);
        merged.EnsureAlpha(0);
        merged.SetDpi(lower.picture.DpiX(), lower.picture.DpiY());
        DrawPicture(merged, lowerRect.Translated(Point{} - area.TopLeft()), lower.picture, {filter, 255, BlendOp::Normal});
    }
    if (upper.visible)
        DrawPicture(merged, upper.ShownRect().Translated(Point{} - area.TopLeft()), upper.picture,
                    {filter, upper.transparency, upper.blend});

    // Nothing above has changed the stack; from here on nothing throws.
    Layer& target = layers_[static_cast<std::size_t>(lo)];
    target.picture = std::move(merged);
    target.posX = area.left;
    target.posY = area.top;
    target.displayWidth = 0;
    target.displayHeight = 0;
    layers_.erase(layers_.begin() + hi);
    current_ = lo;
}

void LayerStack::MergeAll(Color background, ResampleFilter filter)
{
    Picture composition = ComposeAll(*this, background, filter);
    Reset(std::move(composition));
}

} // namespace ix::gfx
