#include "gfx/ops/SelectedArea.h"

#include "gfx/view/ImageView.h"

namespace ix::gfx {

Rect SelectedArea::Box(Size size) const
{
    const Rect whole = Rect::FromSize(size);
    if (mask_ == nullptr) return whole;
    return mask_->Box().Translated({-offset_.x, -offset_.y}).Intersected(whole);
}

SelectedArea CurrentLayerArea(const ImageView& view)
{
    const Layer& layer = view.Layers().Current();
    return SelectedArea(view.SelectionMask(), {layer.posX, layer.posY});
}

void EnsureColourPicture(Picture& picture)
{
    if (picture.Format() != PixelFormat::Bgr24) picture.ConvertTo(PixelFormat::Bgr24);
}

} // namespace ix::gfx
