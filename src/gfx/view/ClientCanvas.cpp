#include "gfx/view/ClientCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace ix::gfx {

namespace {

// Liang–Barsky clipping of the segment to the box; false when nothing is left.
bool ClipSegment(double& x0, double& y0, double& x1, double& y1, const Rect& box)
{
    double t0 = 0, t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - box.left, box.right - 1 - x0, y0 - box.top, box.bottom - 1 - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double ax = x0 + t0 * dx, ay = y0 + t0 * dy;
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 = ax;
    y0 = ay;
    return true;
}

} // namespace

ClientCanvas::ClientCanvas(Surface& surface, Point offset, const Rect& clip)
    : surface_(surface), offset_(offset), clip_(clip.Intersected(surface.Bounds().Translated({-offset.x, -offset.y})))
{
}

void ClientCanvas::FillRect(const Rect& requested, std::uint32_t argb)
{
    const Rect rect = requested.Intersected(clip_);
    for (int y = rect.top; y < rect.bottom; ++y)
        std::fill_n(surface_.Row(y + offset_.y) + rect.left + offset_.x, rect.Width(), argb);
}

void ClientCanvas::Line(Point a, Point b, const Dash& dash)
{
    if (clip_.IsEmpty()) return;
    double x0 = a.x, y0 = a.y, x1 = b.x, y1 = b.y;
    // One pixel of margin, so rounding at the clip edge never drops an end pixel.
    const Rect box{clip_.left - 1, clip_.top - 1, clip_.right + 1, clip_.bottom + 1};
    if (!ClipSegment(x0, y0, x1, y1, box)) return;
    int x = static_cast<int>(std::lround(x0)), y = static_cast<int>(std::lround(y0));
    const int ex = static_cast<int>(std::lround(x1)), ey = static_cast<int>(std::lround(y1));
    const int dx = std::abs(ex - x), dy = -std::abs(ey - y);
    const int sx = x < ex ? 1 : -1, sy = y < ey ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        SetDashed(x, y, dash);
        if (x == ex && y == ey) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void ClientCanvas::FrameRect(const Rect& r, const Dash& dash)
{
    if (r.IsEmpty()) return;
    Line({r.left, r.top}, {r.right - 1, r.top}, dash);
    Line({r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, dash);
    Line({r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}, dash);
    Line({r.left, r.bottom - 1}, {r.left, r.top}, dash);
}

void ClientCanvas::Polyline(std::span<const Point> points, bool closed, const Dash& dash)
{
    if (points.empty()) return;
    if (points.size() == 1) SetDashed(points[0].x, points[0].y, dash);
    for (std::size_t i = 1; i < points.size(); ++i) Line(points[i - 1], points[i], dash);
    if (closed && points.size() > 2) Line(points.back(), points.front(), dash);
}

void ClientCanvas::EllipseOutline(const Rect& requested, const Dash& dash)
{
    const Rect box = requested.Normalized();
    const double cx = (static_cast<double>(box.left) + box.right - 1) / 2.0;
    const double cy = (static_cast<double>(box.top) + box.bottom - 1) / 2.0;
    const double rx = (static_cast<double>(box.right) - box.left - 1) / 2.0;
    const double ry = (static_cast<double>(box.bottom) - box.top - 1) / 2.0;
    const double perimeter = 2 * std::numbers::pi * std::max(rx, ry);
    const int steps = static_cast<int>(std::clamp(perimeter, 16.0, 4096.0));
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(steps));
    for (int i = 0; i < steps; ++i) {
        const double t = 2 * std::numbers::pi * i / steps;
        points.push_back({static_cast<int>(std::lround(std::clamp(cx + rx * std::cos(t), -1e9, 1e9))),
                          static_cast<int>(std::lround(std::clamp(cy + ry * std::sin(t), -1e9, 1e9)))});
    }
    Polyline(points, true, dash);
}

void ClientCanvas::Grip(Point c, const GripStyle& style)
{
    const int s = std::clamp(style.size, 1, 64);
    const Rect box = Rect::FromSize({c.x - s / 2, c.y - s / 2}, {s, s});
    const std::uint32_t fill = ToArgb(style.fill), line = ToArgb(style.outline);
    const bool solid = style.fillStyle == GripFill::Solid;
    if (style.shape == GripShape::Square) {
        if (solid) FillRect(box, fill);
        FrameRect(box, Dash{line, line});
        return;
    }
    const double r = s / 2.0, mx = box.left + r, my = box.top + r;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            const double d = std::hypot(x + 0.5 - mx, y + 0.5 - my);
            if (d > r) continue;
            if (d > r - 1)
                Set(x, y, line);
            else if (solid)
                Set(x, y, fill);
        }
}

} // namespace ix::gfx
