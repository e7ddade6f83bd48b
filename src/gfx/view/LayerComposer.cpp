#include "gfx/view/LayerComposer.h"

#include "gfx/Compose.h"
#include "gfx/GfxError.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <numbers>

namespace ix::gfx {

namespace {

// Above this many pixels the composition shrinks to the background layer's rectangle.
constexpr std::int64_t kComposedPixelBudget = std::int64_t{1} << 26;

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

void StoreOpaque(std::uint32_t* out, const Bgr* c, int n)
{
    for (int i = 0; i < n; ++i)
        out[i] = 0xFF000000u | static_cast<std::uint32_t>(c[i].r) << 16 | static_cast<std::uint32_t>(c[i].g) << 8 | c[i].b;
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
    s.drawn = layer.visible && !layer.picture.IsEmpty() && s.transparency > 0 &&
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
    // Grow only, and with room to spare where it grows, so that a layer dragged about
    // beyond the picture does not reallocate the composition on every move.
    if (!everything_ && !area_.IsEmpty() && area != area_) {
        Rect grown = area_.United(area);
        if (grown != area_) {
            const int slackX = std::max(256, grown.Width() / 4), slackY = std::max(256, grown.Height() / 4);
            if (grown.left < area_.left) grown.left -= slackX;
            if (grown.right > area_.right) grown.right += slackX;
            if (grown.top < area_.top) grown.top -= slackY;
            if (grown.bottom > area_.bottom) grown.bottom += slackY;
        }
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

namespace {

// Whether `layer` alone covers `part` with opaque pixels at their own size: then the
// composition there starts as a plain copy of it. (Any operation drawn onto nothing gives
// the source itself, so the copy is exactly what drawing it would give.)
bool CoversOpaque(const Layer& layer, const Rect& region, const Rect& part, int transparency)
{
    const Picture& p = layer.picture;
    return layer.rotation == 0.0 && transparency == 255 && !p.HasAlpha() && p.Format() == PixelFormat::Bgr24 &&
           layer.ShownWidth() == p.Width() && layer.ShownHeight() == p.Height() && region.Intersected(part) == part;
}

} // namespace

void LayerComposer::ComposeRect(const LayerStack& layers, const Rect& rect)
{
    // Strips of rows bound the scratch pictures; one strip when a black-and-white layer
    // would otherwise be converted once per strip.
    bool blackWhite = false;
    for (const Layer& l : layers.Layers()) blackWhite = blackWhite || l.picture.Format() != PixelFormat::Bgr24;
    const int stripRows = blackWhite ? rect.Height() : std::max(1, std::min(rect.Height(), (1 << 18) / rect.Width()));
    Picture strip;  // with alpha, where the composition may stay partly transparent
    Picture opaque; // without alpha, where an opaque layer covers the strip
    Picture turned; // a rotated layer's pixels over the strip

    for (int top = rect.top; top < rect.bottom; top += stripRows) {
        const Rect part{rect.left, top, rect.right, std::min(rect.bottom, top + stripRows)};
        // The highest drawn layer that covers the whole strip opaquely hides all below it
        // when it is drawn Normal, or when nothing lies below it to blend with.
        std::size_t first = 0;
        bool covered = false;
        std::size_t lowest = signatures_.size(); // the lowest drawn layer touching the strip
        for (std::size_t li = 0; li < signatures_.size() && lowest == signatures_.size(); ++li)
            if (signatures_[li].drawn && !signatures_[li].region.Intersected(part).IsEmpty()) lowest = li;
        for (std::size_t li = signatures_.size(); li-- > lowest;) {
            const Signature& sig = signatures_[li];
            if (sig.drawn && (sig.blend == BlendOp::Normal || li == lowest) &&
                CoversOpaque(layers.Layers()[li], sig.region, part, sig.transparency)) {
                first = li;
                covered = true;
                break;
            }
        }
        Picture& target = covered ? opaque : strip;
        if (target.GetSize() != part.GetSize()) target = Picture(part.GetSize(), colors::Black);
        if (covered) {
            const Layer& base = layers.Layers()[first];
            for (int y = 0; y < part.Height(); ++y)
                std::copy_n(base.picture.BgrRow(part.top + y - base.posY) + (part.left - base.posX), part.Width(),
                            target.BgrRow(y));
            ++first;
        } else {
            target.EnsureAlpha(0);
            for (int y = 0; y < part.Height(); ++y) std::fill_n(target.AlphaRow(y), part.Width(), std::uint8_t{0});
        }
        for (std::size_t li = first; li < signatures_.size(); ++li) {
            const Signature& sig = signatures_[li];
            if (!sig.drawn || sig.region.Intersected(part).IsEmpty()) continue;
            const Layer& layer = layers.Layers()[li];
            if (layer.rotation == 0.0) {
                DrawLayer(target, layer, part.TopLeft(), ResampleFilter::rfNone);
                continue;
            }
            TurnLayer(layer, sig, part, turned);
            DrawPicture(target, Rect::FromSize(part.GetSize()), turned,
                        {ResampleFilter::rfNone, layer.transparency, layer.blend});
        }
        for (int y = part.top; y < part.bottom; ++y) {
            std::uint32_t* out = pixels_.data() + static_cast<std::size_t>(y - area_.top) * area_.Width() + (part.left - area_.left);
            if (covered)
                StoreOpaque(out, target.BgrRow(y - part.top), part.Width());
            else
                StorePremultiplied(out, target.BgrRow(y - part.top), target.AlphaRow(y - part.top), part.Width());
        }
    }
}

void LayerComposer::TurnLayer(const Layer& layer, const Signature& sig, const Rect& part, Picture& out)
{
    if (out.GetSize() != part.GetSize()) out = Picture(part.GetSize(), colors::Black);
    out.EnsureAlpha(0);
    const Picture& pic = layer.picture;
    const double t = layer.rotation * std::numbers::pi / 180.0;
    const double ct = std::cos(t), st = std::sin(t);
    const double w = sig.displayWidth, h = sig.displayHeight;
    const double cx = layer.posX + w / 2, cy = layer.posY + h / 2;
    for (int y = part.top; y < part.bottom; ++y) {
        Bgr* row = out.BgrRow(y - part.top);
        std::uint8_t* alpha = out.AlphaRow(y - part.top);
        const double yy = y + 0.5 - cy;
        for (int x = part.left; x < part.right; ++x) {
            const double xx = x + 0.5 - cx;
            // Undo the counter-clockwise turn (the y axis points down).
            const double lx = xx * ct - yy * st + w / 2;
            const double ly = xx * st + yy * ct + h / 2;
            const std::size_t i = static_cast<std::size_t>(x - part.left);
            if (lx < 0 || ly < 0 || lx >= w || ly >= h) {
                alpha[i] = 0;
                continue;
            }
            const int px = std::min(pic.Width() - 1, static_cast<int>(lx * pic.Width() / w));
            const int py = std::min(pic.Height() - 1, static_cast<int>(ly * pic.Height() / h));
            row[i] = PixelAt(pic, px, py);
            alpha[i] = pic.GetAlpha({px, py});
        }
    }
}

} // namespace ix::gfx
