#include "gfx/ops/KeyedDraw.h"

#include "gfx/GfxError.h"
#include "gfx/ops/SelectedArea.h"

namespace ix::gfx {

void KeyedDraw(Picture& dst, Point at, const Picture& src, Color key)
{
    if (dst.IsEmpty() || src.IsEmpty()) return;
    if (src.Format() != PixelFormat::Bgr24) throw GfxError("KeyedDraw: source must be 24-bit colour");
    EnsureColourPicture(dst);
    const Rect target = Rect::FromSize(at, src.GetSize()).Intersected(dst.Bounds());
    const Bgr k = key.ToBgr();
    for (int y = target.top; y < target.bottom; ++y) {
        const Bgr* in = src.BgrRow(y - at.y);
        Bgr* row = dst.BgrRow(y);
        for (int x = target.left; x < target.right; ++x)
            if (!(in[x - at.x] == k)) row[x] = in[x - at.x];
    }
}

Color AutoTransparentColor(const Picture& picture) { return picture.GetPixel({0, picture.Height() - 1}); }

} // namespace ix::gfx
