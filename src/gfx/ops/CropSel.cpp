#include "gfx/ops/CropSel.h"

#include <algorithm>

namespace ix::gfx {

Picture CropSel(const Picture& source, const SelectedArea& area, Color background)
{
    Picture scratch;
    const Picture* src = &AsColour(source, scratch);
    const Rect box = area.Box(src->GetSize());
    if (box.IsEmpty()) return {};
    Picture out(box.GetSize(), background);
    out.SetDpi(src->DpiX(), src->DpiY());
    const Bgr bg = background.ToBgr();
    for (int y = 0; y < box.Height(); ++y) {
        const Bgr* in = src->BgrRow(box.top + y) + box.left;
        Bgr* row = out.BgrRow(y);
        for (int x = 0; x < box.Width(); ++x) {
            const std::uint8_t m = area.At(box.left + x, box.top + y);
            row[x] = m == 255 ? in[x] : MixBgr(bg, in[x], m);
        }
    }
    if (src->HasAlpha()) {
        out.EnsureAlpha();
        for (int y = 0; y < box.Height(); ++y)
            std::copy_n(src->AlphaRow(box.top + y) + box.left, box.Width(), out.AlphaRow(y));
    }
    return out;
}

} // namespace ix::gfx
