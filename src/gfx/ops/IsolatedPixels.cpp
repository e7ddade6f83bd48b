#include "gfx/ops/IsolatedPixels.h"

#include "gfx/ops/BitPlane.h"

#include <vector>

namespace ix::gfx {

void RemoveIsolatedPixels(Picture& picture, int foreground, int groupSize, const Rect& area)
{
    BitPlane plane = UnpackBits(picture);
    const Rect r = area.Intersected(picture.Bounds());
    if (groupSize <= 0 || r.IsEmpty()) return;
    const std::uint8_t fg = foreground == 0 ? 0 : 1;
    std::vector<std::uint8_t> visited(plane.white.size());
    std::vector<Point> stack;
    std::vector<Point> group;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * plane.width + x;
            if (visited[i] || plane.white[i] != fg) continue;
            group.clear();
            stack.assign(1, Point{x, y});
            visited[i] = 1;
            while (!stack.empty()) {
                const Point p = stack.back();
                stack.pop_back();
                if (group.size() <= static_cast<std::size_t>(groupSize)) group.push_back(p);
                else group.back() = p; // only the count matters once the group is too large
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const Point q{p.x + dx, p.y + dy};
                        if (!r.Contains(q)) continue;
                        const std::size_t j = static_cast<std::size_t>(q.y) * plane.width + q.x;
                        if (visited[j] || plane.white[j] != fg) continue;
                        visited[j] = 1;
                        stack.push_back(q);
                    }
                }
            }
            if (group.size() <= static_cast<std::size_t>(groupSize)) {
                for (const Point p : group) plane.At(p.x, p.y) = static_cast<std::uint8_t>(1 - fg);
            }
        }
    }
    PackBits(plane, picture);
}

} // namespace ix::gfx
