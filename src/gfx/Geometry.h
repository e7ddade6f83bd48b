// Point, Size and Rect: small value types in 32-bit signed pixel coordinates.
//
// A Rect is half-open: it covers x in [left, right) and y in [top, bottom), the way the
// Windows raster canvas draws its rectangles. An empty Rect has no area.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace ix::gfx {

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
    constexpr Point operator+(Point o) const { return {x + o.x, y + o.y}; }
    constexpr Point operator-(Point o) const { return {x - o.x, y - o.y}; }
};

struct Size {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(Size, Size) = default;
    constexpr bool IsEmpty() const { return width <= 0 || height <= 0; }
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect FromSize(Point origin, Size size)
    {
        return {origin.x, origin.y, origin.x + size.width, origin.y + size.height};
    }
    static constexpr Rect FromSize(Size size) { return {0, 0, size.width, size.height}; }

    // Saturated, so rectangles spanning most of the coordinate range do not overflow.
    constexpr int Width() const { return Span(left, right); }
    constexpr int Height() const { return Span(top, bottom); }
    constexpr Size GetSize() const { return {Width(), Height()}; }
    constexpr Point TopLeft() const { return {left, top}; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    // The common part of both rectangles; empty (all zero) when they do not overlap.
    constexpr Rect Intersected(const Rect& o) const
    {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }
    // The smallest rectangle holding both; an empty operand does not count.
    constexpr Rect United(const Rect& o) const
    {
        if (IsEmpty()) return o;
        if (o.IsEmpty()) return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
    }
    constexpr Rect Translated(Point d) const { return {left + d.x, top + d.y, right + d.x, bottom + d.y}; }
    // Corners in any order made into a proper rectangle.
    constexpr Rect Normalized() const
    {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;

private:
    static constexpr int Span(int from, int to)
    {
        const long long d = static_cast<long long>(to) - from;
        return static_cast<int>(std::clamp<long long>(d, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    }
};

} // namespace ix::gfx
