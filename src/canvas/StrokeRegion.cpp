#include "canvas/StrokeRegion.h"

#include <algorithm>

namespace ix::canvas {

StrokeRegion StrokeRegionAt(gfx::Size picture, gfx::Point at, std::int64_t size)
{
    StrokeRegion r;
    r.left = std::max<std::int64_t>(0, at.x - size);
    r.top = std::max<std::int64_t>(0, at.y - size);
    r.right = std::min<std::int64_t>(picture.width, at.x + size);
    r.bottom = std::min<std::int64_t>(picture.height, at.y + size);
    return r;
}

} // namespace ix::canvas
