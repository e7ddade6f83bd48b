#include "gfx/ops/MaskedCopy.h"

#include "gfx/GfxError.h"

namespace ix::gfx {

void MaskedCopy(Picture& dst, const Picture& src, const SelectedArea& area)
{
    if (dst.IsEmpty() || src.IsEmpty()) return;
    if (src.Format() != PixelFormat::Bgr24) throw GfxError("MaskedCopy: source must be 24-bit colour");
    EnsureColourPicture(dst);
    const Rect box = area.Box(dst.GetSize()).Intersected(src.Bounds());
    for (int y = box.top; y < box.bottom; ++y) {
        Bgr* row = dst.BgrRow(y);
        const Bgr* in = src.BgrRow(y);
        for (int x = box.left; x < box.right; ++x) {
            const std::uint8_t m = area.At(x, y);
            if (m != 0) row[x] = m == 255 ? in[x] : MixBgr(row[x], in[x], m);
        }
    }
}

} // namespace ix::gfx
