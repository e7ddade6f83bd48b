// SurfacePainter: the drawing primitives controls paint themselves with.
//
// Coordinates are the control's client coordinates; the painter adds the context's
// origin and clips every primitive to the context's clip rectangle once, then walks rows.
// Rectangles are half-open. Outlines of width w lie inside the given rectangle.
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "ui/PaintContext.h"
#include "ui/Types.h"
#include "ui/text/TextRenderer.h"

#include <cstdint>
#include <string_view>

namespace ix::gfx {
class Picture;
}

namespace ix::ui {

class SurfacePainter {
public:
    explicit SurfacePainter(PaintContext& ctx) : ctx_(ctx) {}

    void Fill(const gfx::Rect& r, gfx::Color c);
    void Frame(const gfx::Rect& r, gfx::Color c, int width = 1);
    void HLine(int x0, int x1, int y, gfx::Color c); // x1 exclusive
    void VLine(int x, int y0, int y1, gfx::Color c); // y1 exclusive
    void Line(gfx::Point a, gfx::Point b, gfx::Color c); // both ends included
    void Pixel(gfx::Point p, gfx::Color c);
    void FillEllipse(const gfx::Rect& r, gfx::Color c);
    void FrameEllipse(const gfx::Rect& r, gfx::Color c, int width = 1);
    void FillRoundRect(const gfx::Rect& r, int radius, gfx::Color c);
    void FrameRoundRect(const gfx::Rect& r, int radius, gfx::Color c, int width = 1);
    // Colour runs from `from` at the left (top) edge to `to` at the right (bottom) edge.
    void HorizontalGradient(const gfx::Rect& r, gfx::Color from, gfx::Color to, int radius = 0);
    void VerticalGradient(const gfx::Rect& r, gfx::Color from, gfx::Color to);
    // The picture stretched (nearest neighbour) onto `dest`; its alpha plane is blended.
    void DrawPicture(const gfx::Picture& picture, const gfx::Rect& dest);
    // One line of Windows-1251 text with its top-left at p.
    void Text(gfx::Point p, const Font& font, std::string_view text);
    TextMetrics Measure(const Font& font, std::string_view text) { return ctx_.text.Measure(font, text); }

private:
    // Row span on the surface [x0, x1) at surface row y, already translated.
    void Span(int x0, int x1, int y, std::uint32_t argb);
    gfx::Rect ToSurface(const gfx::Rect& r) const { return r.Translated(ctx_.origin); }

    PaintContext& ctx_;
};

} // namespace ix::ui
