#include "ui/SurfacePainter.h"

#include "gfx/Picture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ix::ui {
namespace {

gfx::Color Mix(gfx::Color a, gfx::Color b, int num, int den)
{
    if (den <= 0) return a;
    auto ch = [&](int x, int y) { return x + (y - x) * num / den; };
    return gfx::Color::FromRgb(ch(a.R(), b.R()), ch(a.G(), b.G()), ch(a.B(), b.B()));
}

// Horizontal inset of a rounded corner at row `d` (0 = outermost row) for radius r.
int CornerInset(int d, int r)
{
    if (r <= 0 || d >= r) return 0;
    const double dy = r - d - 0.5;
    return static_cast<int>(std::lround(r - std::sqrt(std::max(0.0, double(r) * r - dy * dy))));
}

// The span [x0, x1) of an ellipse inscribed in r at row y (client coordinates), or empty.
bool EllipseSpan(const gfx::Rect& r, int y, int& x0, int& x1)
{
    const double rx = r.Width() / 2.0, ry = r.Height() / 2.0;
    if (rx <= 0 || ry <= 0) return false;
    const double cx = r.left + rx, cy = r.top + ry;
    const double dy = (y + 0.5 - cy) / ry;
    if (dy <= -1.0 || dy >= 1.0) return false;
    const double half = rx * std::sqrt(1.0 - dy * dy);
    x0 = static_cast<int>(std::ceil(cx - half - 0.5));
    x1 = static_cast<int>(std::floor(cx + half - 0.5)) + 1;
    return x1 > x0;
}

} // namespace

void SurfacePainter::Span(int x0, int x1, int y, std::uint32_t argb)
{
    const gfx::Rect& clip = ctx_.clip;
    if (y < clip.top || y >= clip.bottom) return;
    x0 = std::max(x0, clip.left);
    x1 = std::min(x1, clip.right);
    if (x1 <= x0) return;
    std::fill(ctx_.surface.Row(y) + x0, ctx_.surface.Row(y) + x1, argb);
}

void SurfacePainter::Fill(const gfx::Rect& requested, gfx::Color c)
{
    const gfx::Rect rect = ToSurface(requested).Intersected(ctx_.clip);
    const std::uint32_t v = gfx::ToArgb(c);
    for (int y = rect.top; y < rect.bottom; ++y) std::fill_n(ctx_.surface.Row(y) + rect.left, rect.Width(), v);
}

void SurfacePainter::Frame(const gfx::Rect& r, gfx::Color c, int width)
{
    if (r.IsEmpty() || width <= 0) return;
    const int w = std::min({width, r.Width(), r.Height()});
    Fill({r.left, r.top, r.right, r.top + w}, c);
    Fill({r.left, r.bottom - w, r.right, r.bottom}, c);
    Fill({r.left, r.top + w, r.left + w, r.bottom - w}, c);
    Fill({r.right - w, r.top + w, r.right, r.bottom - w}, c);
}

void SurfacePainter::HLine(int x0, int x1, int y, gfx::Color c)
{
    Fill({x0, y, x1, y + 1}, c);
}

void SurfacePainter::VLine(int x, int y0, int y1, gfx::Color c)
{
    Fill({x, y0, x + 1, y1}, c);
}

void SurfacePainter::Pixel(gfx::Point p, gfx::Color c)
{
    const gfx::Point s = p + ctx_.origin;
    if (ctx_.clip.Contains(s)) ctx_.surface.Row(s.y)[s.x] = gfx::ToArgb(c);
}

void SurfacePainter::Line(gfx::Point a, gfx::Point b, gfx::Color c)
{
    // Bresenham; the segment is clipped pixel by pixel, so keep lines short (controls only).
    int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    for (int guard = 0; guard <= 2 * (dx - dy) + 2; ++guard) {
        Pixel(a, c);
        if (a == b) break;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; a.x += sx; }
        if (e2 <= dx) { err += dx; a.y += sy; }
    }
}

void SurfacePainter::FillEllipse(const gfx::Rect& r, gfx::Color c)
{
    const std::uint32_t v = gfx::ToArgb(c);
    for (int y = r.top; y < r.bottom; ++y) {
        int x0 = 0, x1 = 0;
        if (EllipseSpan(r, y, x0, x1)) Span(x0 + ctx_.origin.x, x1 + ctx_.origin.x, y + ctx_.origin.y, v);
    }
}

void SurfacePainter::FrameEllipse(const gfx::Rect& r, gfx::Color c, int width)
{
    const std::uint32_t v = gfx::ToArgb(c);
    const gfx::Rect inner{r.left + width, r.top + width, r.right - width, r.bottom - width};
    for (int y = r.top; y < r.bottom; ++y) {
        int x0 = 0, x1 = 0;
        if (!EllipseSpan(r, y, x0, x1)) continue;
        int i0 = 0, i1 = 0;
        const int oy = y + ctx_.origin.y, ox = ctx_.origin.x;
        if (!inner.IsEmpty() && EllipseSpan(inner, y, i0, i1)) {
            Span(x0 + ox, i0 + ox, oy, v);
            Span(i1 + ox, x1 + ox, oy, v);
        } else {
            Span(x0 + ox, x1 + ox, oy, v);
        }
    }
}

void SurfacePainter::FillRoundRect(const gfx::Rect& r, int radius, gfx::Color c)
{
    HorizontalGradient(r, c, c, radius);
}

void SurfacePainter::FrameRoundRect(const gfx::Rect& r, int radius, gfx::Color c, int width)
{
    if (r.IsEmpty()) return;
    radius = std::clamp(radius, 0, std::min(r.Width(), r.Height()) / 2);
    const std::uint32_t v = gfx::ToArgb(c);
    const gfx::Rect inner{r.left + width, r.top + width, r.right - width, r.bottom - width};
    const int innerRadius = std::max(0, radius - width);
    for (int y = r.top; y < r.bottom; ++y) {
        const int d = std::min(y - r.top, r.bottom - 1 - y);
        const int inset = CornerInset(d, radius);
        const int oy = y + ctx_.origin.y, ox = ctx_.origin.x;
        if (inner.IsEmpty() || y < inner.top || y >= inner.bottom) {
            Span(r.left + inset + ox, r.right - inset + ox, oy, v);
            continue;
        }
        const int di = std::min(y - inner.top, inner.bottom - 1 - y);
        const int innerInset = CornerInset(di, innerRadius);
        Span(r.left + inset + ox, inner.left + innerInset + ox, oy, v);
        Span(inner.right - innerInset + ox, r.right - inset + ox, oy, v);
    }
}

void SurfacePainter::HorizontalGradient(const gfx::Rect& r, gfx::Color from, gfx::Color to, int radius)
{
    if (r.IsEmpty()) return;
    radius = std::clamp(radius, 0, std::min(r.Width(), r.Height()) / 2);
    const gfx::Rect rect = ToSurface(r).Intersected(ctx_.clip);
    if (rect.IsEmpty()) return;
    const int span = std::max(1, r.Width() - 1);
    for (int y = rect.top; y < rect.bottom; ++y) {
        const int cy = y - ctx_.origin.y;
        const int inset = CornerInset(std::min(cy - r.top, r.bottom - 1 - cy), radius);
        const int x0 = std::max(rect.left, r.left + inset + ctx_.origin.x);
        const int x1 = std::min(rect.right, r.right - inset + ctx_.origin.x);
        std::uint32_t* row = ctx_.surface.Row(y);
        for (int x = x0; x < x1; ++x) row[x] = gfx::ToArgb(Mix(from, to, x - ctx_.origin.x - r.left, span));
    }
}

void SurfacePainter::VerticalGradient(const gfx::Rect& r, gfx::Color from, gfx::Color to)
{
    const gfx::Rect rect = ToSurface(r).Intersected(ctx_.clip);
    const int span = std::max(1, r.Height() - 1);
    for (int y = rect.top; y < rect.bottom; ++y) {
        const std::uint32_t v = gfx::ToArgb(Mix(from, to, y - ctx_.origin.y - r.top, span));
        std::fill_n(ctx_.surface.Row(y) + rect.left, rect.Width(), v);
    }
}

void SurfacePainter::DrawPicture(const gfx::Picture& picture, const gfx::Rect& dest)
{
    if (picture.IsEmpty() || dest.IsEmpty() || picture.Format() != gfx::PixelFormat::Bgr24) return;
    const gfx::Rect d = ToSurface(dest);
    const gfx::Rect rect = d.Intersected(ctx_.clip);
    const std::int64_t pw = picture.Width(), ph = picture.Height();
    for (int y = rect.top; y < rect.bottom; ++y) {
        const int sy = static_cast<int>((y - d.top) * ph / d.Height());
        const gfx::Bgr* src = picture.BgrRow(sy);
        const std::uint8_t* alpha = picture.HasAlpha() ? picture.AlphaRow(sy) : nullptr;
        std::uint32_t* row = ctx_.surface.Row(y);
        for (int x = rect.left; x < rect.right; ++x) {
            const int sx = static_cast<int>((x - d.left) * pw / d.Width());
            const gfx::Bgr p = src[sx];
            const unsigned a = alpha ? alpha[sx] : 255u;
            if (a == 255) {
                row[x] = 0xFF000000u | unsigned(p.r) << 16 | unsigned(p.g) << 8 | p.b;
            } else if (a != 0) {
                const std::uint32_t under = row[x];
                auto mix = [&](unsigned s, unsigned u) { return (s * a + u * (255 - a) + 127) / 255; };
                row[x] = 0xFF000000u | mix(p.r, under >> 16 & 0xFF) << 16 | mix(p.g, under >> 8 & 0xFF) << 8 |
                         mix(p.b, under & 0xFF);
            }
        }
    }
}

void SurfacePainter::Text(gfx::Point p, const Font& font, std::string_view text)
{
    ctx_.text.Draw(ctx_.surface, ctx_.clip, p + ctx_.origin, font, text);
}

} // namespace ix::ui
