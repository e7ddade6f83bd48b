#include "gfx/ops/Blur.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ix::gfx {

namespace {

// One box pass over `count` pixels `step` apart, edge pixels repeated beyond the ends.
void BoxLine(Bgr* line, int count, std::ptrdiff_t step, int r, std::vector<Bgr>& copy)
{
    copy.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) copy[static_cast<std::size_t>(i)] = line[i * step];
    const auto at = [&](int i) { return copy[static_cast<std::size_t>(std::clamp(i, 0, count - 1))]; };
    const int width = 2 * r + 1;
    int sb = 0, sg = 0, sr = 0;
    for (int i = -r; i <= r; ++i) {
        const Bgr p = at(i);
        sb += p.b;
        sg += p.g;
        sr += p.r;
    }
    const int half = width / 2;
    for (int i = 0; i < count; ++i) {
        line[i * step] = {static_cast<std::uint8_t>((sb + half) / width), static_cast<std::uint8_t>((sg + half) / width),
                          static_cast<std::uint8_t>((sr + half) / width)};
        const Bgr in = at(i + r + 1);
        const Bgr out = at(i - r);
        sb += in.b - out.b;
        sg += in.g - out.g;
        sr += in.r - out.r;
    }
}

} // namespace

int BlurBoxRadius(double radius)
{
    // Three boxes of width 2r + 1 have the variance of a Gaussian of this deviation when
    // (2r + 1)² = 4·radius² + 1.
    const double r = (std::sqrt(4.0 * radius * radius + 1.0) - 1.0) / 2.0;
    return std::max(1, static_cast<int>(std::lround(std::min(r, 1e6))));
}

void Blur(Picture& picture, double radius, const SelectedArea& area)
{
    if (picture.IsEmpty() || !(radius > 0)) return;
    EnsureColourPicture(picture);
    const Rect box = area.Box(picture.GetSize());
    if (box.IsEmpty()) return;
    // A box wider than the picture only averages the repeated edge further.
    const int r = std::min(BlurBoxRadius(radius), std::max(picture.Width(), picture.Height()));
    const int margin = 3 * r;
    const Rect region = Rect{box.left - margin, box.top - margin, box.right + margin, box.bottom + margin}.Intersected(
        picture.Bounds());

    const int w = region.Width();
    const int h = region.Height();
    std::vector<Bgr> work(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) std::copy_n(picture.BgrRow(region.top + y) + region.left, w, work.data() + static_cast<std::size_t>(y) * w);

    std::vector<Bgr> copy;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) BoxLine(work.data() + static_cast<std::size_t>(y) * w, w, 1, r, copy);
        for (int x = 0; x < w; ++x) BoxLine(work.data() + x, h, w, r, copy);
    }

    for (int y = box.top; y < box.bottom; ++y) {
        Bgr* row = picture.BgrRow(y);
        const Bgr* blurred = work.data() + static_cast<std::size_t>(y - region.top) * w;
        for (int x = box.left; x < box.right; ++x) {
            const std::uint8_t m = area.At(x, y);
            if (m != 0) {
                const Bgr b = blurred[x - region.left];
                row[x] = m == 255 ? b : MixBgr(row[x], b, m);
            }
        }
    }
}

} // namespace ix::gfx
