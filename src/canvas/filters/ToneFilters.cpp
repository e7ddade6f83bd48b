#include "canvas/filters/ToneFilters.h"

#include "canvas/filters/Bgr24.h"
#include "canvas/filters/ClampByte.h"

namespace ix::canvas {

namespace {

template <typename Op>
void ForEachByte(gfx::Picture& b, Op op)
{
    MakeBgr24(b);
    const std::size_t rowBytes = static_cast<std::size_t>(b.Width()) * 3;
    for (int y = 0; y < b.Height(); ++y) {
        std::uint8_t* row = b.Row(y);
        for (std::size_t i = 0; i < rowBytes; ++i) row[i] = op(row[i]);
    }
}

// Strengths beyond ±2^24 give the same clamped bytes as ±2^24 (a byte difference is at
// most 255 and the result is clamped to a byte), so limiting them keeps every product
// far inside 64 bits.
std::int64_t Limited(std::int64_t a)
{
    constexpr std::int64_t kLimit = std::int64_t{1} << 24;
    return a > kLimit ? kLimit : a < -kLimit ? -kLimit : a;
}

} // namespace

void LightenFilter(gfx::Picture& b, std::int64_t a)
{
    a = Limited(a);
    ForEachByte(b, [a](std::int64_t c) { return ClampByte(c + (a * (255 - c)) / 255); });
}

void DarkenFilter(gfx::Picture& b, std::int64_t a)
{
    a = Limited(a);
    ForEachByte(b, [a](std::int64_t c) { return ClampByte(c - (a * c) / 255); });
}

void SaturationFilter(gfx::Picture& b, std::int64_t a)
{
    a = Limited(a);
    MakeBgr24(b);
    for (int y = 0; y < b.Height(); ++y) {
        std::uint8_t* p = b.Row(y);
        for (int x = 0; x < b.Width(); ++x, p += 3) {
            const std::int64_t m = (std::int64_t{p[0]} + p[1] + p[2]) / 3;
            for (int i = 0; i < 3; ++i) p[i] = ClampByte(m + (a * (p[i] - m)) / 255);
        }
    }
}

} // namespace ix::canvas
