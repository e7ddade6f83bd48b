#include "gfx/FloodFill.h"

#include "gfx/GfxError.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <new>
#include <vector>

namespace ix::gfx {

namespace {

struct Seed {
    int x;
    int y;
};

template <typename T>
void Reserve(std::vector<T>& v, std::size_t n)
{
    try {
        v.reserve(n);
    } catch (const std::bad_alloc&) {
        throw GfxError("flood fill: out of memory");
    }
}

template <typename T>
void Push(std::vector<T>& v, T value)
{
    try {
        v.push_back(value);
    } catch (const std::bad_alloc&) {
        throw GfxError("flood fill: out of memory");
    } catch (const std::length_error&) {
        throw GfxError("flood fill: out of memory");
    }
}

// Pixel tests of the three kinds of plane, each against the seed's value.
struct BgrPlane {
    const Picture& p;
    Bgr target;
    bool Same(const std::uint8_t* row, int x) const
    {
        const std::uint8_t* q = row + 3 * static_cast<std::size_t>(x);
        return q[0] == target.b && q[1] == target.g && q[2] == target.r;
    }
    int Uniform8(const std::uint8_t*, int) const { return -1; }
    const std::uint8_t* RowOf(int y) const { return p.Row(y); }
};
struct BytePlane {
    const Picture& p;
    std::uint8_t target;
    bool Same(const std::uint8_t* row, int x) const { return row[x] == target; }
    int Uniform8(const std::uint8_t*, int) const { return -1; }
    const std::uint8_t* RowOf(int y) const { return p.AlphaRow(y); }
};
struct BitPlane {
    const Picture& p;
    bool target;
    bool Same(const std::uint8_t* row, int x) const { return ((row[x >> 3] >> (7 - (x & 7))) & 1) == target; }
    // For x a multiple of 8: 1 when the 8 pixels from x all match, 0 when none does,
    // -1 otherwise. Lets runs of bits be walked a byte at a time.
    int Uniform8(const std::uint8_t* row, int x) const
    {
        const std::uint8_t byte = row[x >> 3];
        const std::uint8_t match = target ? 0xFF : 0x00;
        return byte == match ? 1 : byte == static_cast<std::uint8_t>(~match) ? 0 : -1;
    }
    const std::uint8_t* RowOf(int y) const { return p.Row(y); }
};

// One bit per pixel: visited.
class VisitedMask {
public:
    VisitedMask(int width, int height) : words_((static_cast<std::size_t>(width) + 63) / 64)
    {
        try {
            bits_.assign(words_ * static_cast<std::size_t>(height), 0);
        } catch (const std::bad_alloc&) {
            throw GfxError("flood fill: out of memory");
        }
    }
    bool Test(int x, int y) const { return (bits_[Index(y) + (x >> 6)] >> (x & 63)) & 1; }
    // The 8 visited bits from x, a multiple of 8.
    unsigned Byte8(int x, int y) const { return static_cast<unsigned>(bits_[Index(y) + (x >> 6)] >> (x & 63)) & 0xFFu; }
    void SetRange(int y, int x0, int x1)
    {
        std::uint64_t* row = bits_.data() + Index(y);
        while (x0 < x1) {
            const int bit = x0 & 63;
            const int n = std::min(64 - bit, x1 - x0);
            const std::uint64_t mask = n == 64 ? ~std::uint64_t{0} : ((std::uint64_t{1} << n) - 1) << bit;
            row[x0 >> 6] |= mask;
            x0 += n;
        }
    }

private:
    std::size_t Index(int y) const { return static_cast<std::size_t>(y) * words_; }
    std::size_t words_;
    std::vector<std::uint64_t> bits_;
};

template <class Plane>
std::int64_t Search(const Plane& plane, int width, int height, Point seed,
                    const std::function<void(int, int, int)>& span)
{
    VisitedMask visited(width, height);
    std::vector<Seed> stack;
    Reserve(stack, 1024);
    stack.push_back({seed.x, seed.y});
    std::int64_t count = 0;
    while (!stack.empty()) {
        const Seed s = stack.back();
        stack.pop_back();
        const std::uint8_t* row = plane.RowOf(s.y);
        if (visited.Test(s.x, s.y) || !plane.Same(row, s.x)) continue;
        int x0 = s.x;
        int x1 = s.x + 1;
        while (x0 > 0) {
            if ((x0 & 7) == 0 && x0 >= 8 && plane.Uniform8(row, x0 - 8) == 1) x0 -= 8;
            else if (plane.Same(row, x0 - 1)) --x0;
            else break;
        }
        while (x1 < width) {
            if ((x1 & 7) == 0 && x1 + 8 <= width && plane.Uniform8(row, x1) == 1) x1 += 8;
            else if (plane.Same(row, x1)) ++x1;
            else break;
        }
        visited.SetRange(s.y, x0, x1);
        count += x1 - x0;
        for (int ny : {s.y - 1, s.y + 1}) {
            if (ny < 0 || ny >= height) continue;
            const std::uint8_t* nrow = plane.RowOf(ny);
            bool inRun = false;
            for (int x = x0; x < x1;) {
                if ((x & 7) == 0 && x + 8 <= x1) {
                    const int u = plane.Uniform8(nrow, x);
                    const unsigned seen = visited.Byte8(x, ny);
                    if ((u == 1 && seen == 0) || (u == 0 || seen == 0xFFu)) {
                        const bool open = u == 1 && seen == 0;
                        if (open && !inRun) Push(stack, Seed{x, ny});
                        inRun = open;
                        x += 8;
                        continue;
                    }
                }
                const bool open = plane.Same(nrow, x) && !visited.Test(x, ny);
                if (open && !inRun) Push(stack, Seed{x, ny});
                inRun = open;
                ++x;
            }
        }
        span(s.y, x0, x1);
    }
    return count;
}

} // namespace

std::int64_t ForEachFillSpan(const Picture& picture, Point seed, PaintPlane plane,
                             const std::function<void(int y, int x0, int x1)>& span)
{
    if (!picture.Bounds().Contains(seed)) return 0;
    const int w = picture.Width();
    const int h = picture.Height();
    if (plane == PaintPlane::Alpha) {
        if (!picture.HasAlpha()) {
            // Without a plane every pixel is opaque: the area is the whole picture.
            for (int y = 0; y < h; ++y) span(y, 0, w);
            return static_cast<std::int64_t>(w) * h;
        }
        return Search(BytePlane{picture, picture.AlphaRow(seed.y)[seed.x]}, w, h, seed, span);
    }
    if (picture.Format() == PixelFormat::BlackWhite1)
        return Search(BitPlane{picture, picture.GetPixel(seed) == colors::White}, w, h, seed, span);
    return Search(BgrPlane{picture, picture.BgrRow(seed.y)[seed.x]}, w, h, seed, span);
}

std::int64_t FloodFill(Picture& picture, Point seed, Color fill)
{
    if (!picture.Bounds().Contains(seed)) return 0;
    if (picture.Format() != PixelFormat::Bgr24) {
        // The bit the fill colour becomes, found the way the picture itself decides it.
        const bool paintWhite = Picture({1, 1}, fill, PixelFormat::BlackWhite1).GetPixel({0, 0}) == colors::White;
        if ((picture.GetPixel(seed) == colors::White) == paintWhite) return 0;
        return ForEachFillSpan(picture, seed, PaintPlane::Color, [&](int y, int x0, int x1) {
            for (int x = x0; x < x1; ++x) picture.SetPixel({x, y}, fill);
        });
    }
    // The painted colour differs from the area's, so painted pixels mark themselves
    // visited: no mask is needed. Runs are walked four pixels (12 bytes) at a time.
    const Bgr target = picture.BgrRow(seed.y)[seed.x];
    const Bgr paint = fill.ToBgr();
    if (target == paint) return 0;
    const int width = picture.Width();
    const int height = picture.Height();
    Bgr targetBlock[4], paintBlock[4];
    std::fill_n(targetBlock, 4, target);
    std::fill_n(paintBlock, 4, paint);
    constexpr std::size_t kBlock = sizeof targetBlock;
    auto same = [&](const Bgr* row, int x) { return row[x] == target; };
    auto sameBlock = [&](const Bgr* row, int x) { return std::memcmp(row + x, targetBlock, kBlock) == 0; };
#if defined(__SSE2__)
    // Sixteen pixels (48 bytes) against the area's colour in three vector compares.
    Bgr wide[16];
    std::fill_n(wide, 16, target);
    const __m128i t0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(wide));
    const __m128i t1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(wide) + 1);
    const __m128i t2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(wide) + 2);
    auto same16 = [&](const Bgr* row, int x) {
        const __m128i* p = reinterpret_cast<const __m128i*>(row + x);
        const __m128i eq = _mm_and_si128(_mm_and_si128(_mm_cmpeq_epi8(_mm_loadu_si128(p), t0),
                                                       _mm_cmpeq_epi8(_mm_loadu_si128(p + 1), t1)),
                                         _mm_cmpeq_epi8(_mm_loadu_si128(p + 2), t2));
        return _mm_movemask_epi8(eq) == 0xFFFF;
    };
#else
    auto same16 = [&](const Bgr* row, int x) {
        return sameBlock(row, x) && sameBlock(row, x + 4) && sameBlock(row, x + 8) && sameBlock(row, x + 12);
    };
#endif
    auto paintedBlock = [&](const Bgr* row, int x) { return std::memcmp(row + x, paintBlock, kBlock) == 0; };
    std::vector<Seed> stack;
    Reserve(stack, 1024);
    stack.push_back({seed.x, seed.y});
    std::int64_t count = 0;
    while (!stack.empty()) {
        const Seed s = stack.back();
        stack.pop_back();
        Bgr* row = picture.BgrRow(s.y);
        if (!same(row, s.x)) continue;
        int x0 = s.x;
        int x1 = s.x + 1;
        while (x0 >= 16 && same16(row, x0 - 16)) x0 -= 16;
        while (x0 >= 4 && sameBlock(row, x0 - 4)) x0 -= 4;
        while (x0 > 0 && same(row, x0 - 1)) --x0;
        while (x1 + 16 <= width && same16(row, x1)) x1 += 16;
        while (x1 + 4 <= width && sameBlock(row, x1)) x1 += 4;
        while (x1 < width && same(row, x1)) ++x1;
        int x = x0;
        for (; x + 4 <= x1; x += 4) std::memcpy(row + x, paintBlock, kBlock);
        for (; x < x1; ++x) row[x] = paint;
        count += x1 - x0;
        for (int ny : {s.y - 1, s.y + 1}) {
            if (ny < 0 || ny >= height) continue;
            const Bgr* nrow = picture.BgrRow(ny);
            bool inRun = false;
            for (int nx = x0; nx < x1;) {
                if (nx + 16 <= x1 && same16(nrow, nx)) {
                    if (!inRun) Push(stack, Seed{nx, ny});
                    inRun = true;
                    nx += 16;
                    continue;
                }
                if (nx + 4 <= x1) {
                    if (sameBlock(nrow, nx)) {
                        if (!inRun) Push(stack, Seed{nx, ny});
                        inRun = true;
                        nx += 4;
                        continue;
                    }
                    if (paintedBlock(nrow, nx)) {
                        inRun = false;
                        nx += 4;
                        continue;
                    }
                }
                const bool open = same(nrow, nx);
                if (open && !inRun) Push(stack, Seed{nx, ny});
                inRun = open;
                ++nx;
            }
        }
    }
    return count;
}

} // namespace ix::gfx
