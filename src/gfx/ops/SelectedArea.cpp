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

const Picture& AsColour(const Picture& picture, Picture& scratch)
{
    if (picture.Format() == PixelFormat::Bgr24) return picture;
    scratch = picture;
    scratch.ConvertTo(PixelFormat::Bgr24);
    return scratch;
}

void ApplyChannelTable(Picture& picture, const ChannelTable& t, const SelectedArea& area)
{
    MapSelected(picture, area, [&t](Bgr p, int, int) { return Bgr{t[p.b], t[p.g], t[p.r]}; });
}

} // namespace ix::gfx
