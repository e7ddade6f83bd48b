#include "gfx/ops/SoftShadow.h"

#include "gfx/GfxError.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace ix::gfx {

namespace {

// One box pass of half-width r along a line of n values at `stride`, edges count as 0.
void BoxLine(float* data, int n, std::size_t stride, int r, std::vector<float>& tmp)
{
    tmp.assign(static_cast<std::size_t>(n), 0.0f);
    double sum = 0;
    const int window = 2 * r + 1;
    for (int i = -r; i < n + r; ++i) {
        const int add = i + r;
        if (add >= 0 && add < n) sum += data[static_cast<std::size_t>(add) * stride];
        const int sub = i - r - 1;
        if (sub >= 0 && sub < n) sum -= data[static_cast<std::size_t>(sub) * stride];
        if (i >= 0 && i < n) tmp[static_cast<std::size_t>(i)] = static_cast<float>(sum / window);
    }
    for (int i = 0; i < n; ++i) data[static_cast<std::size_t>(i) * stride] = tmp[static_cast<std::size_t>(i)];
}

} // namespace

void AddSoftShadow(Picture& picture, double radius, int dx, int dy, Color colour, int intensity)
{
    if (!(radius >= 0.0 && radius <= kMaxShadowRadius)) throw GfxError("soft shadow: radius out of range");
    intensity = std::clamp(intensity, 0, 100);
    const std::int64_t offset = std::max(std::llabs(static_cast<long long>(dx)), std::llabs(static_cast<long long>(dy)));
    const std::int64_t grow = std::max<std::int64_t>(1, 2 * offset + std::llround(5.0 * radius));
    const std::int64_t w64 = picture.Width() + grow;
    const std::int64_t h64 = picture.Height() + grow;
    if (w64 > Picture::kMaxSide || h64 > Picture::kMaxSide) throw GfxError("soft shadow: picture too large");
    const int w = static_cast<int>(w64);
    const int h = static_cast<int>(h64);
    Picture src = picture;
    src.ConvertTo(PixelFormat::Bgr24);
    Picture out(Size{w, h}, colour, PixelFormat::Bgr24);
    out.SetDpi(src.DpiX(), src.DpiY());
    const int margin = static_cast<int>(grow / 2);
    // Shadow opacity before the blur, 0..1.
    std::vector<float> shadow(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0.0f);
    for (int y = 0; y < src.Height(); ++y) {
        const std::int64_t sy = static_cast<std::int64_t>(y) + margin + dy;
        if (sy < 0 || sy >= h) continue;
        for (int x = 0; x < src.Width(); ++x) {
            const std::int64_t sx = static_cast<std::int64_t>(x) + margin + dx;
            if (sx < 0 || sx >= w) continue;
            shadow[static_cast<std::size_t>(sy) * w + static_cast<std::size_t>(sx)] = src.GetAlpha({x, y}) / 255.0f;
        }
    }
    const int r = static_cast<int>(std::lround(radius / 1.73)); // three passes: sigma ≈ radius
    if (r > 0) {
        std::vector<float> tmp;
        for (int pass = 0; pass < 3; ++pass) {
            for (int y = 0; y < h; ++y) BoxLine(shadow.data() + static_cast<std::size_t>(y) * w, w, 1, r, tmp);
            for (int x = 0; x < w; ++x) BoxLine(shadow.data() + x, h, static_cast<std::size_t>(w), r, tmp);
        }
    }
    out.EnsureAlpha(0);
    for (int y = 0; y < h; ++y) {
        Bgr* row = out.BgrRow(y);
        std::uint8_t* alpha = out.AlphaRow(y);
        const int sy = y - margin;
        for (int x = 0; x < w; ++x) {
            const float s = shadow[static_cast<std::size_t>(y) * w + x] * static_cast<float>(intensity) / 100.0f;
            const int sx = x - margin;
            float a = 0.0f;
            Bgr p{};
            if (sy >= 0 && sy < src.Height() && sx >= 0 && sx < src.Width()) {
                a = src.GetAlpha({sx, sy}) / 255.0f;
                p = src.BgrRow(sy)[sx];
            }
            const float outA = a + s * (1.0f - a);
            if (outA <= 0.0f) {
                alpha[x] = 0;
                continue;
            }
            const Bgr c = colour.ToBgr();
            auto mix = [&](std::uint8_t fg, std::uint8_t bg) {
                return static_cast<std::uint8_t>(std::lround((fg * a + bg * s * (1.0f - a)) / outA));
            };
            row[x] = Bgr{mix(p.b, c.b), mix(p.g, c.g), mix(p.r, c.r)};
            alpha[x] = static_cast<std::uint8_t>(std::lround(outA * 255.0f));
        }
    }
    picture = std::move(out);
}

} // namespace ix::gfx
