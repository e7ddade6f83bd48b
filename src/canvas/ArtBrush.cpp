#include "canvas/ArtBrush.h"

#include "canvas/StrokeRegion.h"
#include "canvas/filters/BlurFilter.h"
#include "canvas/filters/FisheyeFilter.h"
#include "canvas/filters/MosaicFilter.h"
#include "canvas/filters/SmoothFilter.h"
#include "canvas/filters/ToneFilters.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace ix::canvas {

namespace {

constexpr std::array<std::pair<std::string_view, ArtBrushKind>, 8> kCodes = {{
    {"BRUSH_BLUR", ArtBrushKind::Blur},
    {"BRUSH_FLOW", ArtBrushKind::Flow},
    {"BRUSH_SLEEK", ArtBrushKind::Sleek},
    {"BRUSH_EYE", ArtBrushKind::Eye},
    {"BRUSH_GLOW", ArtBrushKind::Glow},
    {"BRUSH_DARK", ArtBrushKind::Dark},
    {"BRUSH_SATE", ArtBrushKind::Sate},
    {"BRUSH_GRADIENT", ArtBrushKind::Gradient},
}};

// Copies `rect` of `picture` into `b` (resized to the rectangle) as 24-bit colour.
void CaptureRegion(const gfx::Picture& picture, const gfx::Rect& rect, gfx::Picture& b)
{
    b = gfx::Picture(rect.GetSize(), gfx::colors::Black);
    if (picture.Format() == gfx::PixelFormat::Bgr24) {
        for (int y = 0; y < rect.Height(); ++y)
            std::memcpy(b.Row(y), picture.BgrRow(rect.top + y) + rect.left, static_cast<std::size_t>(rect.Width()) * 3);
        return;
    }
    for (int y = 0; y < rect.Height(); ++y)
        for (int x = 0; x < rect.Width(); ++x) b.SetPixel({x, y}, picture.GetPixel({rect.left + x, rect.top + y}));
}

// Copies `b` back into `rect` of `picture`, as far as both reach.
void StampRegion(gfx::Picture& picture, const gfx::Rect& rect, const gfx::Picture& b)
{
    const int w = std::min(rect.Width(), b.Width());
    const int h = std::min(rect.Height(), b.Height());
    if (picture.Format() == gfx::PixelFormat::Bgr24 && b.Format() == gfx::PixelFormat::Bgr24) {
        for (int y = 0; y < h; ++y)
            std::memcpy(picture.BgrRow(rect.top + y) + rect.left, b.Row(y), static_cast<std::size_t>(w) * 3);
        return;
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) picture.SetPixel({rect.left + x, rect.top + y}, b.GetPixel({x, y}));
}

gfx::Rect FilterStamp(ArtBrushStroke& stroke, ArtBrushKind kind, gfx::Picture& picture, const gfx::Rect& rect,
                      std::int64_t pressure)
{
    gfx::Picture& b = stroke.strokeBitmap.emplace();
    CaptureRegion(picture, rect, b);
    ApplyArtFilter(kind, b, stroke.eyeBitmap, pressure);
    StampRegion(picture, rect, kind == ArtBrushKind::Eye ? *stroke.eyeBitmap : b);
    return rect;
}

// Stamps the stroke's gradient image, cut or padded to the size of `rect`.
gfx::Rect GradientStamp(ArtBrushStroke& stroke, gfx::Picture& picture, const gfx::Rect& rect,
                        const gfx::Picture& rendered)
{
    gfx::Picture& b = stroke.strokeBitmap.emplace(rect.GetSize(), gfx::colors::Black);
    // The component renders at exactly the region's size, so the stretch onto the work
    // bitmap is a plain copy; a rendering of another size is cut or padded.
    StampRegion(b, b.Bounds(), rendered);
    stroke.gradientStamped = true;
    StampRegion(picture, rect, b);
    return rect;
}

} // namespace

std::optional<ArtBrushKind> ArtBrushKindOf(std::string_view toolCode)
{
    for (const auto& [code, kind] : kCodes)
        if (code == toolCode) return kind;
    return std::nullopt;
}

void ApplyArtFilter(ArtBrushKind kind, gfx::Picture& b, std::optional<gfx::Picture>& eye, std::int64_t pressure)
{
    const std::int64_t p = pressure;
    switch (kind) {
    case ArtBrushKind::Blur: BlurFilter(b, p); break;
    case ArtBrushKind::Flow: MosaicFilter(b, p / 2); break;
    case ArtBrushKind::Sleek: SmoothFilter(b); break;
    case ArtBrushKind::Eye:
        eye = b;
        FisheyeFilter(b, *eye, p / 10 + 1);
        break;
    case ArtBrushKind::Glow: LightenFilter(b, 2 * p); break;
    case ArtBrushKind::Dark: DarkenFilter(b, 2 * p); break;
    case ArtBrushKind::Sate: SaturationFilter(b, 255 - (p * 255) / 100); break;
    case ArtBrushKind::Gradient: break;
    }
}

gfx::Rect ArtBrushPress(ArtBrushStroke& stroke, ArtBrushKind kind, gfx::Picture& picture, gfx::Point at,
                        ArtBrushSettings settings, const GradientSource& gradient)
{
    stroke = {};
    stroke.strokeBitmap.emplace();
    const StrokeRegion region = StrokeRegionAt(picture.GetSize(), at, settings.size);
    if (kind == ArtBrushKind::Gradient) {
        // The component takes the region's size even when the test then fails.
        stroke.gradientBitmap = gradient ? gradient(region.Width(), region.Height()) : gfx::Picture();
        if (!region.Usable(settings.size)) return {};
        return GradientStamp(stroke, picture, region.ToRect(), *stroke.gradientBitmap);
    }
    if (!region.Usable(settings.size)) return {};
    return FilterStamp(stroke, kind, picture, region.ToRect(), settings.pressure);
}

gfx::Rect ArtBrushMove(ArtBrushStroke& stroke, ArtBrushKind kind, gfx::Picture& picture, gfx::Point at,
                       ArtBrushSettings settings, const GradientSource& gradient)
{
    const StrokeRegion region = StrokeRegionAt(picture.GetSize(), at, settings.size);
    if (!region.Usable(settings.size)) return {};
    const gfx::Rect rect = region.ToRect();
    if (kind != ArtBrushKind::Gradient) return FilterStamp(stroke, kind, picture, rect, settings.pressure);

    if (!stroke.gradientStamped || !stroke.gradientBitmap) {
        // The press lay far outside and rendered nothing usable: the stroke's gradient
        // is rendered at its first stamp instead, so that it never stamps an empty image.
        stroke.gradientBitmap = gradient ? gradient(rect.Width(), rect.Height()) : gfx::Picture();
    }
    // The image of the press again, from its top-left corner. It is kept whole, so a
    // stamp clipped at a picture edge does not cut the stamps after it; where a region
    // reaches beyond the image the work bitmap is black, as a fresh bitmap is.
    return GradientStamp(stroke, picture, rect, *stroke.gradientBitmap);
}

void ArtBrushRelease(ArtBrushStroke& stroke) { stroke = {}; }

} // namespace ix::canvas
