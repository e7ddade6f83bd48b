// ArtBrush: the strokes of the seven artistic brushes and of the gradient brush.
//
// At every press and move the working square around the pointer (StrokeRegion) is
// copied out of the current layer's picture into a 24-bit work bitmap, run through the
// brush's filter and copied back; the gradient brush instead stamps a gradient rendered
// once at the press, so every stamp of a stroke shows the same image, cut at the picture
// edges (a press far outside renders it at the first stamp instead). The work bitmaps
// live in an ArtBrushStroke from the press to the release; the release drops them, so a
// later stroke never sees them.
//
// Only the colour bytes are worked on; the alpha plane of the picture is left alone.
// Each call returns the picture rectangle it changed (empty when it drew nothing), which
// the caller refreshes.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Picture.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace ix::canvas {

enum class ArtBrushKind { Blur, Flow, Sleek, Eye, Glow, Dark, Sate, Gradient };

// The brush of a tool code ("BRUSH_BLUR" ... "BRUSH_SATE", "BRUSH_GRADIENT"), compared
// exactly; nothing for any other code.
std::optional<ArtBrushKind> ArtBrushKindOf(std::string_view toolCode);

// Sets the gradient component to the size given (sizes below 0 count as 0) and returns
// the image it renders at that size.
using GradientSource = std::function<gfx::Picture(std::int64_t width, std::int64_t height)>;

struct ArtBrushStroke {
    std::optional<gfx::Picture> strokeBitmap;
    std::optional<gfx::Picture> eyeBitmap;
    std::optional<gfx::Picture> gradientBitmap;
    bool gradientStamped = false; // the gradient of this stroke has been rendered
};

// Brush settings as the canvas holds them: S, half the side of the square, and P, the
// pressure.
struct ArtBrushSettings {
    std::int64_t size = 0;
    std::int64_t pressure = 0;
};

gfx::Rect ArtBrushPress(ArtBrushStroke& stroke, ArtBrushKind kind, gfx::Picture& picture, gfx::Point at,
                        ArtBrushSettings settings, const GradientSource& gradient);
gfx::Rect ArtBrushMove(ArtBrushStroke& stroke, ArtBrushKind kind, gfx::Picture& picture, gfx::Point at,
                       ArtBrushSettings settings, const GradientSource& gradient);
void ArtBrushRelease(ArtBrushStroke& stroke);

// The filter of a brush applied to a work bitmap; the fisheye writes into `eye`, which
// it first makes a copy of `b`. Not for the gradient brush.
void ApplyArtFilter(ArtBrushKind kind, gfx::Picture& b, std::optional<gfx::Picture>& eye, std::int64_t pressure);

} // namespace ix::canvas
