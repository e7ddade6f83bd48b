// ClientCanvas: drawing of the view's overlays (outlines, rubber bands, grips, grid,
// layer frames) in client coordinates onto the part of a surface the view is painted to.
//
// Everything is clipped to the clip rectangle given at construction; lines are clipped
// before they are walked, so a band reaching far outside the client costs nothing extra.
// Dashed drawing alternates two colours in 4 × 4 blocks of client pixels, so dashes run
// along lines of every direction and stay put when the same outline is drawn again.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Surface.h"
#include "gfx/view/GripStyle.h"

#include <cstdint>
#include <span>

namespace ix::gfx {

struct Dash {
    std::uint32_t first;
    std::uint32_t second;
    std::uint32_t At(int x, int y) const { return ((x >> 2) + (y >> 2)) & 1 ? second : first; }
};

class ClientCanvas {
public:
    // Client (0, 0) lies at `offset` of the surface; `clip` is in client coordinates.
    ClientCanvas(Surface& surface, Point offset, const Rect& clip);

    const Rect& Clip() const { return clip_; }
    void Set(int x, int y, std::uint32_t argb)
    {
        if (clip_.Contains({x, y})) surface_.Row(y + offset_.y)[x + offset_.x] = argb;
    }
    void SetDashed(int x, int y, const Dash& dash) { Set(x, y, dash.At(x, y)); }
    void FillRect(const Rect& rect, std::uint32_t argb);
    void Line(Point a, Point b, const Dash& dash);
    void FrameRect(const Rect& rect, const Dash& dash); // the rectangle's outermost pixels
    void Polyline(std::span<const Point> points, bool closed, const Dash& dash);
    void EllipseOutline(const Rect& box, const Dash& dash);
    void Grip(Point centre, const GripStyle& style);

private:
    Surface& surface_;
    Point offset_;
    Rect clip_;
};

} // namespace ix::gfx
