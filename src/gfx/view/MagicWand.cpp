#include "gfx/view/MagicWand.h"

#include "gfx/GfxError.h"

#include <cstdlib>
#include <new>

namespace ix::gfx {

namespace {

// Scan-line flood fill over `allowed` (non-zero) from the seed, writing `mark` into out.
// `out` entries already non-zero are treated as visited.
void Flood(const std::vector<std::uint8_t>& allowed, std::vector<std::uint8_t>& out, Size size, Point seed,
           std::uint8_t mark)
{
    const auto at = [&](int x, int y) { return static_cast<std::size_t>(y) * size.width + x; };
    std::vector<Point> stack{seed};
    while (!stack.empty()) {
        const Point p = stack.back();
        stack.pop_back();
        if (out[at(p.x, p.y)] || !allowed[at(p.x, p.y)]) continue;
        int left = p.x;
        while (left > 0 && allowed[at(left - 1, p.y)] && !out[at(left - 1, p.y)]) --left;
        int right = p.x;
        while (right + 1 < size.width && allowed[at(right + 1, p.y)] && !out[at(right + 1, p.y)]) ++right;
        for (int x = left; x <= right; ++x) out[at(x, p.y)] = mark;
        for (int dy : {-1, 1}) {
            const int y = p.y + dy;
            if (y < 0 || y >= size.height) continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool open = allowed[at(x, y)] && !out[at(x, y)];
                if (open && !inRun) stack.push_back({x, y});
                inRun = open;
            }
        }
    }
}

} // namespace

std::vector<std::uint8_t> MagicWandMarks(const Picture& picture, Point seed, int tolerance, MagicWandMode mode)
{
    const Size size = picture.GetSize();
    if (!picture.Bounds().Contains(seed)) return {};
    const std::size_t count = static_cast<std::size_t>(size.width) * size.height;
    std::vector<std::uint8_t> close;
    try {
        close.assign(count, 0);
    } catch (const std::bad_alloc&) {
        throw GfxError("magic wand: out of memory");
    }
    const Color s = picture.GetPixel(seed);
    const auto near = [&](Color c) {
        return std::abs(c.R() - s.R()) <= tolerance && std::abs(c.G() - s.G()) <= tolerance &&
               std::abs(c.B() - s.B()) <= tolerance;
    };
    for (int y = 0; y < size.height; ++y) {
        std::uint8_t* out = close.data() + static_cast<std::size_t>(y) * size.width;
        if (picture.Format() == PixelFormat::Bgr24) {
            const Bgr* row = picture.BgrRow(y);
            for (int x = 0; x < size.width; ++x) out[x] = near(Color::FromBgr(row[x]));
        } else {
            for (int x = 0; x < size.width; ++x) out[x] = near(picture.GetPixel({x, y}));
        }
    }
    if (mode == MagicWandMode::Global) return close;

    std::vector<std::uint8_t> area(count, 0);
    Flood(close, area, size, seed, 1);
    if (mode == MagicWandMode::Exclusive) return area;

    // Holes are the non-area pixels that the outside cannot reach: flood the complement
    // from every border pixel, and whatever stays unreached belongs to the area.
    std::vector<std::uint8_t> outside(count, 0);
    std::vector<std::uint8_t> free(count);
    for (std::size_t i = 0; i < count; ++i) free[i] = !area[i];
    for (int x = 0; x < size.width; ++x) {
        Flood(free, outside, size, {x, 0}, 1);
        Flood(free, outside, size, {x, size.height - 1}, 1);
    }
    for (int y = 0; y < size.height; ++y) {
        Flood(free, outside, size, {0, y}, 1);
        Flood(free, outside, size, {size.width - 1, y}, 1);
    }
    for (std::size_t i = 0; i < count; ++i) area[i] = !outside[i];
    return area;
}

} // namespace ix::gfx
