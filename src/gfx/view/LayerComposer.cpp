#include "gfx/view/LayerComposer.h"

#include "gfx/GfxError.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <numbers>

namespace ix::gfx {

namespace {

// Above this many pixels the composition shrinks to the background layer's rectangle.
constexpr std::int64_t kComposedPixelBudget = std::int64_t{1} << 26;

// The blend step of composition: n source pixels over the straight (not premultiplied)
// row dst. Only Normal for now; the other operations are drawn as Normal until the
// shared per-row blend takes this place.
void BlendRow(Bgr* dst, std::uint8_t* dstAlpha, const Bgr* src, const std::uint8_t* srcAlpha, int n,
              int transparency, BlendOp)
{
    for (int i = 0; i < n; ++i) {
        const int a = (srcAlpha ? srcAlpha[i] : 255) * transparency / 255;
        if (a == 0) continue;
        const int da = dstAlpha[i];
        if (a == 255 || da == 0) {
            dst[i] = src[i];
            dstAlpha[i] = static_cast<std::uint8_t>(a);
            continue;
        }
        if (da == 255) {
            const int na = 255 - a;
            dst[i] = {static_cast<std::uint8_t>((src[i].b * a + dst[i].b * na + 127) / 255),
                      static_cast<std::uint8_t>((src[i].g * a + dst[i].g * na + 127) / 255),
                      static_cast<std::uint8_t>((src[i].r * a + dst[i].r * na + 127) / 255)};
            continue;
        }
        // Both partly transparent: "over" on straight colours.
        const int under = da * (255 - a) / 255;
        const int out = a + under;
        dst[i] = {static_cast<std::uint8_t>((src[i].b * a + dst[i].b * under + out / 2) / out),
                  static_cast<std::uint8_t>((src[i].g * a + dst[i].g * under + out / 2) / out),
                  static_cast<std::uint8_t>((src[i].r * a + dst[i].r * under + out / 2) / out)};
        dstAlpha[i] = static_cast<std::uint8_t>(out);
    }
}

void StorePremultiplied(std::uint32_t* out, const Bgr* c, const std::uint8_t* a, int n)
{
    for (int i = 0; i < n; ++i) {
        const std::uint32_t al = a[i];
        if (al == 255) {
            out[i] = 0xFF000000u | static_cast<std::uint32_t>(c[i].r) << 16 | static_cast<std::uint32_t>(c[i].g) << 8 | c[i].b;
        } else if (al == 0) {
            out[i] = 0;
        } else {
            out[i] = al << 24 | ((c[i].r * al + 127) / 255) << 16 | ((c[i].g * al + 127) / 255) << 8 |
                     ((c[i].b * al + 127) / 255);
        }
    }
}

// A Bgr24 picture row or a 1-bit row read as Bgr.
Bgr PixelAt(const Picture& p, int x, int y)
{
    if (p.Format() == PixelFormat::Bgr24) return p.BgrRow(y)[x];
    return p.GetPixel({x, y}).ToBgr();
}

} // namespace

Rect LayerComposer::LayerRegion(const Layer& layer)
{
    const Rect shown = layer.ShownRect();
    if (layer.rotation == 0.0 || shown.IsEmpty()) return shown;
    const double t = layer.rotation * std::numbers::pi / 180.0;
    const double c = std::abs(std::cos(t)), s = std::abs(std::sin(t));
    const double w = shown.Width(), h = shown.Height();
    const double bw = w * c + h * s, bh = w * s + h * c;
    const double cx = shown.left + w / 2, cy = shown.top + h / 2;
    return {static_cast<int>(std::floor(cx - bw / 2)), static_cast<int>(std::floor(cy - bh / 2)),
            static_cast<int>(std::ceil(cx + bw / 2)), static_cast<int>(std::ceil(cy + bh / 2))};
}

LayerComposer::Signature LayerComposer::SignatureOf(const Layer& layer, int minLayerSize)
{
    Signature s;
    s.picture = layer.picture.GetSize();
    s.pixels = layer.picture.IsEmpty() ? nullptr : layer.picture.Row(0);
    s.hasAlpha = layer.picture.HasAlpha();
    s.region = LayerRegion(layer);
    s.displayWidth = layer.ShownWidth();
    s.displayHeight = layer.ShownHeight();
    s.transparency = std::clamp(layer.transparency, 0, 255);
    s.drawn = layer.visible && !layer.isMask && !layer.picture.IsEmpty() && s.transparency > 0 &&
              (layer.picture.Width() >= minLayerSize || layer.picture.Height() >= minLayerSize);
    s.blend = layer.blend;
    s.rotation = layer.rotation;
    return s;
}

void LayerComposer::Invalidate(const Rect& pictureRect)
{
    if (!pictureRect.IsEmpty()) dirty_.push_back(pictureRect);
}

void LayerComposer::SetArea(const Rect& area)
{
    if (area == area_) return;
    std::vector<std::uint32_t> pixels;
    try {
        pixels.assign(static_cast<std::size_t>(area.Width()) * static_cast<std::size_t>(area.Height()), 0);
    } catch (const std::bad_alloc&) {
        throw GfxError("view: composition out of memory");
    }
    // Keep what is already composed; the rest of the new area is composed afresh.
    const Rect kept = everything_ ? Rect{} : area.Intersected(area_);
    for (int y = kept.top; y < kept.bottom; ++y)
        std::copy_n(Row(y) + (kept.left - area_.left), kept.Width(),
                    pixels.data() + static_cast<std::size_t>(y - area.top) * area.Width() + (kept.left - area.left));
    if (kept.IsEmpty()) {
        everything_ = true;
    } else {
        dirty_.push_back({area.left, area.top, area.right, kept.top});
        dirty_.push_back({area.left, kept.bottom, area.right, area.bottom});
        dirty_.push_back({area.left, kept.top, kept.left, kept.bottom});
        dirty_.push_back({kept.right, kept.top, area.right, kept.bottom});
    }
    pixels_ = std::move(pixels);
    area_ = area;
}

void LayerComposer::Sync(const LayerStack& layers, int minLayerSize)
{
    std::vector<Signature> now;
    now.reserve(static_cast<std::size_t>(layers.Count()));
    for (const Layer& l : layers.Layers()) now.push_back(SignatureOf(l, minLayerSize));
    if (now.size() != signatures_.size() || minLayerSize != minLayerSize_) {
        everything_ = true;
    } else {
        for (std::size_t i = 0; i < now.size(); ++i) {
            if (now[i] == signatures_[i]) continue;
            dirty_.push_back(signatures_[i].region);
            dirty_.push_back(now[i].region);
        }
    }
    minLayerSize_ = minLayerSize;
    signatures_ = std::move(now);

    const Rect background = layers.At(0).picture.Bounds();
    Rect area = background;
    for (const Signature& s : signatures_)
        if (s.drawn) area = area.United(s.region);
    const std::int64_t pixels = static_cast<std::int64_t>(area.Width()) * area.Height();
    if (pixels > std::max<std::int64_t>(kComposedPixelBudget, static_cast<std::int64_t>(background.Width()) * background.Height()))
        area = background;
    // Grow only, so that a layer dragged back and forth does not reallocate every time.
    if (!everything_ && !area_.IsEmpty()) {
        const Rect grown = area_.United(area);
        const std::int64_t grownPixels = static_cast<std::int64_t>(grown.Width()) * grown.Height();
        if (grownPixels <= std::max<std::int64_t>(kComposedPixelBudget, pixels)) area = grown;
    }
    SetArea(area);
}

std::vector<Rect> LayerComposer::Compose(const LayerStack& layers)
{
    std::vector<Rect> done;
    if (everything_) {
        dirty_.clear();
        dirty_.push_back(area_);
        everything_ = false;
    }
    for (const Rect& requested : dirty_) {
        const Rect rect = requested.Intersected(area_);
        if (rect.IsEmpty()) continue;
        ComposeRect(layers, rect);
        done.push_back(rect);
    }
    dirty_.clear();
    return done;
}

void LayerComposer::ComposeRect(const LayerStack& layers, const Rect& rect)
{
    const int n = rect.Width();
    std::vector<Bgr> row(static_cast<std::size_t>(n));
    std::vector<std::uint8_t> alpha(static_cast<std::size_t>(n));
    std::vector<Bgr> src(static_cast<std::size_t>(n));
    std::vector<std::uint8_t> srcAlpha(static_cast<std::size_t>(n));
    std::vector<int> xmap(static_cast<std::size_t>(n));

    for (int y = rect.top; y < rect.bottom; ++y) {
        std::fill(row.begin(), row.end(), Bgr{});
        std::fill(alpha.begin(), alpha.end(), std::uint8_t{0});
        for (std::size_t li = 0; li < signatures_.size(); ++li) {
            const Signature& sig = signatures_[li];
            if (!sig.drawn) continue;
            const Layer& layer = layers.Layers()[li];
            const Picture& pic = layer.picture;
            const Rect region = sig.region.Intersected(rect);
            if (y < region.top || y >= region.bottom) continue;
            const int x0 = region.left, x1 = region.right, count = x1 - x0, off = x0 - rect.left;
            const Bgr* s = nullptr;
            const std::uint8_t* sa = nullptr;
            if (layer.rotation != 0.0) {
                const double t = layer.rotation * std::numbers::pi / 180.0;
                const double ct = std::cos(t), st = std::sin(t);
                const double w = sig.displayWidth, h = sig.displayHeight;
                const double cx = layer.posX + w / 2, cy = layer.posY + h / 2;
                const double yy = y + 0.5 - cy;
                for (int i = 0; i < count; ++i) {
                    const double xx = x0 + i + 0.5 - cx;
                    // Undo the counter-clockwise turn (the y axis points down).
                    const double lx = xx * ct - yy * st + w / 2;
                    const double ly = xx * st + yy * ct + h / 2;
                    if (lx < 0 || ly < 0 || lx >= w || ly >= h) {
                        srcAlpha[static_cast<std::size_t>(i)] = 0;
                        continue;
                    }
                    const int px = std::min(pic.Width() - 1, static_cast<int>(lx * pic.Width() / w));
                    const int py = std::min(pic.Height() - 1, static_cast<int>(ly * pic.Height() / h));
                    src[static_cast<std::size_t>(i)] = PixelAt(pic, px, py);
                    srcAlpha[static_cast<std::size_t>(i)] = pic.GetAlpha({px, py});
                }
                s = src.data();
                sa = srcAlpha.data();
            } else {
                const std::int64_t dw = sig.displayWidth, dh = sig.displayHeight;
                const int py = static_cast<int>((static_cast<std::int64_t>(y - layer.posY) * pic.Height()) / dh);
                const bool unscaled = dw == pic.Width();
                if (unscaled && pic.Format() == PixelFormat::Bgr24) {
                    s = pic.BgrRow(py) + (x0 - layer.posX);
                    sa = pic.HasAlpha() ? pic.AlphaRow(py) + (x0 - layer.posX) : nullptr;
                } else {
                    for (int i = 0; i < count; ++i)
                        xmap[static_cast<std::size_t>(i)] =
                            static_cast<int>((static_cast<std::int64_t>(x0 + i - layer.posX) * pic.Width()) / dw);
                    for (int i = 0; i < count; ++i) src[static_cast<std::size_t>(i)] = PixelAt(pic, xmap[static_cast<std::size_t>(i)], py);
                    if (pic.HasAlpha()) {
                        const std::uint8_t* ar = pic.AlphaRow(py);
                        for (int i = 0; i < count; ++i) srcAlpha[static_cast<std::size_t>(i)] = ar[xmap[static_cast<std::size_t>(i)]];
                        sa = srcAlpha.data();
                    }
                    s = src.data();
                }
            }
            BlendRow(row.data() + off, alpha.data() + off, s, sa, count, sig.transparency, sig.blend);
        }
        StorePremultiplied(pixels_.data() + static_cast<std::size_t>(y - area_.top) * area_.Width() + (rect.left - area_.left),
                           row.data(), alpha.data(), n);
    }
}

} // namespace ix::gfx
