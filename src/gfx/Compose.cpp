#include "gfx/Compose.h"

#include "gfx/Blend.h"
#include "gfx/GfxError.h"
#include "gfx/LayerStack.h"
#include "gfx/Resample.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace ix::gfx {

namespace {

constexpr int Div255(int v) { return (v + 128 + ((v + 128) >> 8)) >> 8; }

// Source over a destination that has its own alpha (see the header for the formula).
// `scratch` holds at least `count` pixels.
void OverRow(BlendOp op, const Bgr* src, const std::uint8_t* srcAlpha, Bgr* dst, std::uint8_t* dstAlpha,
             int count, int t, Bgr* scratch)
{
    std::copy_n(dst, count, scratch);
    BlendRow(op, src, nullptr, scratch, count, 255); // scratch := f(src, dst)
    for (int i = 0; i < count; ++i) {
        const int a = srcAlpha ? Div255(srcAlpha[i] * t) : t;
        if (a == 0) continue;
        const int da = dstAlpha[i];
        const int outA = a + da - Div255(a * da);
        const int den = outA * 255;
        auto mix = [&](int f, int s, int d) {
            const int num = f * a * da + s * a * (255 - da) + d * da * (255 - a);
            return static_cast<std::uint8_t>(std::min(255, (num + den / 2) / den));
        };
        const Bgr f = scratch[i];
        dst[i] = Bgr{mix(f.b, src[i].b, dst[i].b), mix(f.g, src[i].g, dst[i].g), mix(f.r, src[i].r, dst[i].r)};
        dstAlpha[i] = static_cast<std::uint8_t>(outA);
    }
}

// Index of the source pixel under the centre of destination pixel i (of n over m source pixels).
int NearestIndex(long long i, int n, int m)
{
    return static_cast<int>(std::min<long long>((2 * i + 1) * m / (2LL * n), m - 1));
}

} // namespace

void DrawPicture(Picture& dst, const Rect& destRect, const Picture& src, const DrawOptions& options)
{
    if (dst.Format() != PixelFormat::Bgr24) throw GfxError("compose: black-and-white destination");
    const int t = ClampTransparency(options.transparency);
    if (src.IsEmpty() || destRect.IsEmpty() || t == 0) return;
    const Rect rect = destRect.Intersected(dst.Bounds());
    if (rect.IsEmpty()) return;
    if (src.Format() != PixelFormat::Bgr24) {
        Picture colour = src;
        colour.ConvertTo(PixelFormat::Bgr24);
        DrawPicture(dst, destRect, colour, options);
        return;
    }
    const bool scaled = destRect.GetSize() != src.GetSize();
    if (scaled && options.filter != ResampleFilter::rfNone) {
        const Picture resampled = Resampled(src, destRect.GetSize(), options.filter);
        DrawPicture(dst, destRect, resampled, {ResampleFilter::rfNone, t, options.blend});
        return;
    }

    const int n = rect.Width();
    std::vector<Bgr> scratch;
    std::vector<Bgr> gathered;
    std::vector<std::uint8_t> gatheredAlpha;
    std::vector<int> xmap;
    if (dst.HasAlpha()) scratch.resize(static_cast<std::size_t>(n));
    if (scaled) {
        gathered.resize(static_cast<std::size_t>(n));
        if (src.HasAlpha()) gatheredAlpha.resize(static_cast<std::size_t>(n));
        xmap.resize(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            xmap[static_cast<std::size_t>(i)] =
                NearestIndex(static_cast<long long>(rect.left) - destRect.left + i, destRect.Width(), src.Width());
    }
    for (int y = rect.top; y < rect.bottom; ++y) {
        const Bgr* s;
        const std::uint8_t* a = nullptr;
        if (!scaled) {
            const int sy = y - destRect.top;
            const int sx = rect.left - destRect.left;
            s = src.BgrRow(sy) + sx;
            if (src.HasAlpha()) a = src.AlphaRow(sy) + sx;
        } else {
            const int sy = NearestIndex(static_cast<long long>(y) - destRect.top, destRect.Height(), src.Height());
            const Bgr* row = src.BgrRow(sy);
            for (int i = 0; i < n; ++i) gathered[static_cast<std::size_t>(i)] = row[xmap[static_cast<std::size_t>(i)]];
            if (src.HasAlpha()) {
                const std::uint8_t* arow = src.AlphaRow(sy);
                for (int i = 0; i < n; ++i)
                    gatheredAlpha[static_cast<std::size_t>(i)] = arow[xmap[static_cast<std::size_t>(i)]];
                a = gatheredAlpha.data();
            }
            s = gathered.data();
        }
        Bgr* d = dst.BgrRow(y) + rect.left;
        if (dst.HasAlpha())
            OverRow(options.blend, s, a, d, dst.AlphaRow(y) + rect.left, n, t, scratch.data());
        else
            BlendRow(options.blend, s, a, d, n, t);
    }
}

void DrawLayer(Picture& dst, const Layer& layer, Point origin, ResampleFilter filter)
{
    DrawPicture(dst, layer.ShownRect().Translated(Point{} - origin), layer.picture,
                {filter, layer.transparency, layer.blend});
}

void MergeAlphaRect(Picture& dst, Point at, const Picture& brush)
{
    if (!dst.HasAlpha()) return;
    const Rect rect = Rect::FromSize(at, brush.GetSize()).Intersected(dst.Bounds());
    for (int y = rect.top; y < rect.bottom; ++y) {
        std::uint8_t* d = dst.AlphaRow(y) + rect.left;
        const int n = rect.Width();
        if (!brush.HasAlpha()) {
            std::fill_n(d, n, std::uint8_t{255});
            continue;
        }
        const std::uint8_t* b = brush.AlphaRow(y - at.y) + (rect.left - at.x);
        for (int i = 0; i < n; ++i) d[i] = std::max(d[i], b[i]);
    }
}

Rect LayersExtent(const LayerStack& stack)
{
    Rect extent;
    for (const Layer& layer : stack.Layers()) extent = extent.United(layer.ShownRect());
    return extent;
}

Picture ComposeLayers(const LayerStack& stack, const Rect& area, Color background, ResampleFilter filter)
{
    Picture out(area.IsEmpty() ? Size{} : area.GetSize(), background);
    out.SetDpi(stack.At(0).picture.DpiX(), stack.At(0).picture.DpiY());
    if (out.IsEmpty()) return out;
    for (const Layer& layer : stack.Layers())
        if (layer.visible) DrawLayer(out, layer, area.TopLeft(), filter);
    return out;
}

Picture ComposeAll(const LayerStack& stack, Color background, ResampleFilter filter)
{
    return ComposeLayers(stack, LayersExtent(stack), background, filter);
}

} // namespace ix::gfx
