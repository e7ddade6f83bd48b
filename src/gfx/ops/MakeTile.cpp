#include "gfx/ops/MakeTile.h"

#include "gfx/GfxError.h"
#include "gfx/ops/SelectedArea.h"

#include <algorithm>
#include <cstdint>

namespace ix::gfx {

Picture MakeTile(const Picture& source, int across, int down)
{
    if (across < 1 || down < 1) throw GfxError("MakeTile: counts must be at least 1");
    if (source.IsEmpty()) return {};
    Picture scratch;
    const Picture* src = &AsColour(source, scratch);
    const std::int64_t width = std::int64_t{src->Width()} * across;
    const std::int64_t height = std::int64_t{src->Height()} * down;
    if (width > Picture::kMaxSide || height > Picture::kMaxSide) throw GfxError("MakeTile: result too large");
    Picture out(Size{static_cast<int>(width), static_cast<int>(height)});
    out.SetDpi(src->DpiX(), src->DpiY());
    if (src->HasAlpha()) out.EnsureAlpha();
    const int w = src->Width();
    for (int y = 0; y < out.Height(); ++y) {
        const int sy = y % src->Height();
        const Bgr* in = src->BgrRow(sy);
        Bgr* row = out.BgrRow(y);
        for (int i = 0; i < across; ++i) std::copy_n(in, w, row + static_cast<std::ptrdiff_t>(i) * w);
        if (src->HasAlpha())
            for (int i = 0; i < across; ++i)
                std::copy_n(src->AlphaRow(sy), w, out.AlphaRow(y) + static_cast<std::ptrdiff_t>(i) * w);
    }
    return out;
}

} // namespace ix::gfx
