#include "gfx/ops/Reflection.h"

#include "gfx/GfxError.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ix::gfx {

void Reflection(Picture& picture, int minimum, int maximum)
{
    if (picture.IsEmpty()) return;
    const int w = picture.Width();
    const int h = picture.Height();
    if (h > Picture::kMaxSide / 2) throw GfxError("reflection: picture too tall");
    Picture src = picture;
    src.ConvertTo(PixelFormat::Bgr24);
    Picture out(Size{w, 2 * h}, colors::White, PixelFormat::Bgr24);
    out.SetDpi(src.DpiX(), src.DpiY());
    out.EnsureAlpha(255);
    for (int y = 0; y < h; ++y) {
        std::memcpy(out.Row(y), src.Row(y), static_cast<std::size_t>(w) * 3);
        if (src.HasAlpha()) std::memcpy(out.AlphaRow(y), src.AlphaRow(y), static_cast<std::size_t>(w));
    }
    for (int k = 0; k < h; ++k) {
        const int sy = h - 1 - k;
        const int distance = h - k; // rows from the new bottom edge, h for the first mirrored row
        std::memcpy(out.Row(h + k), src.Row(sy), static_cast<std::size_t>(w) * 3);
        std::uint8_t* alpha = out.AlphaRow(h + k);
        for (int x = 0; x < w; ++x) {
            const int a = src.HasAlpha() ? src.AlphaRow(sy)[x] : 255;
            const auto faded = static_cast<int>(std::lround(static_cast<double>(a) * distance / h));
            alpha[x] = static_cast<std::uint8_t>(std::clamp(std::max(std::min(faded, maximum), minimum), 0, 255));
        }
    }
    picture = std::move(out);
}

} // namespace ix::gfx
