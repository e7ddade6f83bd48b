#include "gfx/ops/ColorReduce.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace ix::gfx {

namespace {

constexpr int kBins = 32; // 5 bits per channel

int Index(int r, int g, int b) { return (r * kBins + g) * kBins + b; }

struct Box {
    std::array<int, 3> lo{0, 0, 0};
    std::array<int, 3> hi{kBins - 1, kBins - 1, kBins - 1}; // inclusive
};

std::uint64_t Weight(const std::vector<std::uint32_t>& hist, const Box& box)
{
    std::uint64_t n = 0;
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
        for (int g = box.lo[1]; g <= box.hi[1]; ++g)
            for (int b = box.lo[2]; b <= box.hi[2]; ++b) n += hist[static_cast<std::size_t>(Index(r, g, b))];
    return n;
}

// Splits box at the weighted median of its longest side; false when it cannot be split.
bool Split(const std::vector<std::uint32_t>& hist, Box& box, Box& other)
{
    int axis = 0;
    for (int a = 1; a < 3; ++a)
        if (box.hi[a] - box.lo[a] > box.hi[axis] - box.lo[axis]) axis = a;
    if (box.hi[axis] == box.lo[axis]) return false;
    std::vector<std::uint64_t> slice(static_cast<std::size_t>(box.hi[axis] - box.lo[axis] + 1));
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
        for (int g = box.lo[1]; g <= box.hi[1]; ++g)
            for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
                const int v[3] = {r, g, b};
                slice[static_cast<std::size_t>(v[axis] - box.lo[axis])] += hist[static_cast<std::size_t>(Index(r, g, b))];
            }
    std::uint64_t total = 0;
    for (auto s : slice) total += s;
    std::uint64_t acc = 0;
    int cut = box.lo[axis];
    for (std::size_t i = 0; i + 1 < slice.size(); ++i) {
        acc += slice[i];
        cut = box.lo[axis] + static_cast<int>(i);
        if (acc * 2 >= total) break;
    }
    other = box;
    box.hi[axis] = cut;
    other.lo[axis] = cut + 1;
    return true;
}

} // namespace

void ReduceColors(Picture& picture, int n)
{
    if (n > kMaxReducedColors) return;
    if (n <= 2) {
        picture.ConvertTo(PixelFormat::BlackWhite1);
        return;
    }
    picture.ConvertTo(PixelFormat::Bgr24);
    if (picture.IsEmpty()) return;
    std::vector<std::uint32_t> hist(kBins * kBins * kBins);
    for (int y = 0; y < picture.Height(); ++y) {
        const Bgr* row = picture.BgrRow(y);
        for (int x = 0; x < picture.Width(); ++x) ++hist[static_cast<std::size_t>(Index(row[x].r >> 3, row[x].g >> 3, row[x].b >> 3))];
    }
    // Shrink the first box to the occupied bins, then split the heaviest splittable box.
    std::vector<Box> boxes(1);
    while (static_cast<int>(boxes.size()) < n) {
        int best = -1;
        std::uint64_t bestWeight = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const Box& b = boxes[i];
            if (b.lo == b.hi) continue;
            const std::uint64_t wgt = Weight(hist, b);
            if (wgt > bestWeight) {
                bestWeight = wgt;
                best = static_cast<int>(i);
            }
        }
        if (best < 0) break;
        Box other;
        if (!Split(hist, boxes[static_cast<std::size_t>(best)], other)) break;
        boxes.push_back(other);
    }
    // Each box's mean colour from the exact pixels, through a bin -> box map.
    std::vector<std::uint16_t> boxOf(hist.size());
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (int r = boxes[i].lo[0]; r <= boxes[i].hi[0]; ++r)
            for (int g = boxes[i].lo[1]; g <= boxes[i].hi[1]; ++g)
                for (int b = boxes[i].lo[2]; b <= boxes[i].hi[2]; ++b) boxOf[static_cast<std::size_t>(Index(r, g, b))] = static_cast<std::uint16_t>(i);
    std::vector<std::array<std::uint64_t, 4>> sums(boxes.size(), {0, 0, 0, 0});
    for (int y = 0; y < picture.Height(); ++y) {
        const Bgr* row = picture.BgrRow(y);
        for (int x = 0; x < picture.Width(); ++x) {
            auto& s = sums[boxOf[static_cast<std::size_t>(Index(row[x].r >> 3, row[x].g >> 3, row[x].b >> 3))]];
            s[0] += row[x].b;
            s[1] += row[x].g;
            s[2] += row[x].r;
            ++s[3];
        }
    }
    std::vector<Bgr> palette(boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto& s = sums[i];
        if (s[3] == 0) continue;
        palette[i] = Bgr{static_cast<std::uint8_t>((s[0] + s[3] / 2) / s[3]), static_cast<std::uint8_t>((s[1] + s[3] / 2) / s[3]),
                         static_cast<std::uint8_t>((s[2] + s[3] / 2) / s[3])};
    }
    for (int y = 0; y < picture.Height(); ++y) {
        Bgr* row = picture.BgrRow(y);
        for (int x = 0; x < picture.Width(); ++x) row[x] = palette[boxOf[static_cast<std::size_t>(Index(row[x].r >> 3, row[x].g >> 3, row[x].b >> 3))]];
    }
}

} // namespace ix::gfx
