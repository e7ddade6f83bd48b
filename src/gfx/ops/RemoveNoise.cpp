#include "gfx/ops/RemoveNoise.h"

#include "gfx/ops/BitPlane.h"

#include <algorithm>

namespace ix::gfx {

void RemoveNoise(Picture& picture, int passes, bool invert, const Rect& area)
{
    BitPlane plane = UnpackBits(picture);
    const Rect r = area.Intersected(picture.Bounds());
    if (r.IsEmpty()) return;
    const std::uint8_t fg = invert ? 1 : 0;
    passes = std::min(passes, kMaxNoisePasses);
    for (int pass = 0; pass < passes; ++pass) {
        BitPlane next = plane;
        bool changed = false;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                int n = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        if (dx == 0 && dy == 0) continue;
                        const int qx = x + dx, qy = y + dy;
                        if (qx < 0 || qy < 0 || qx >= plane.width || qy >= plane.height) continue;
                        n += plane.At(qx, qy) == fg;
                    }
                }
                const bool isFg = plane.At(x, y) == fg;
                if (isFg && n < 2) {
                    next.At(x, y) = static_cast<std::uint8_t>(1 - fg);
                    changed = true;
                } else if (!isFg && n >= 7) {
                    next.At(x, y) = fg;
                    changed = true;
                }
            }
        }
        plane = std::move(next);
        if (!changed) break;
    }
    PackBits(plane, picture);
}

} // namespace ix::gfx
