#include "canvas/SprayAt.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

using namespace ix::canvas;
using ix::gfx::Color;
using ix::gfx::Picture;
using ix::gfx::Point;

namespace {

// Hands out the given numbers in turn (angle, distance, angle, distance, ...) and counts
// how many were asked for.
struct ScriptedUniform {
    std::deque<double> values;
    int asked = 0;
    UniformSource Source()
    {
        return [this] {
            ++asked;
            if (values.empty()) return 0.0;
            const double v = values.front();
            values.pop_front();
            return v;
        };
    }
};

std::vector<Point> PaintedPixels(const Picture& p, Color c)
{
    std::vector<Point> found;
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            if (p.GetPixel({x, y}) == c) found.push_back({x, y});
    return found;
}

constexpr Color kInk = Color::FromRgb(1, 2, 3);

TEST(SprayAt, DotPositionsRoundTiesToEven)
{
    struct Case {
        double u1, u2;
        int radius;
        Point dot;
    };
    const Case cases[] = {
        {0.0, 0.25, 10, {12, 10}},  // r = 2.5: the tie rounds to 2
        {0.0, 0.35, 10, {14, 10}},  // r = 3.5 rounds to 4
        {0.5, 0.25, 10, {8, 10}},   // angle π: -2.5 rounds to -2
        {0.25, 0.5, 10, {10, 15}},  // angle π/2: cos is a tiny non-zero value, sin 1
        {0.75, 0.3, 10, {10, 7}},   // r = 3
        {0.9, 0.7, 0, {10, 10}},    // radius 0: on the pointer
        {0.125, 0.999, 4, {13, 13}}, // 45°, r ≈ 3.996: 2.83 rounds to 3 on both axes
    };
    for (const auto& c : cases) {
        Picture p({21, 21}, ix::gfx::colors::White);
        ScriptedUniform u{{c.u1, c.u2}};
        SprayAt(p, {10, 10}, kInk, c.radius, 0, u.Source());
        EXPECT_EQ(PaintedPixels(p, kInk), std::vector<Point>{c.dot}) << c.u1 << " " << c.u2;
    }
}

TEST(SprayAt, MakesNPlusOneDots)
{
    struct Case {
        int n;
        int numbersAsked;
    };
    for (const Case c : {Case{-1, 0}, Case{-100, 0}, Case{0, 2}, Case{10, 22}}) {
        Picture p({5, 5});
        ScriptedUniform u;
        SprayAt(p, {2, 2}, kInk, 2, c.n, u.Source());
        EXPECT_EQ(u.asked, c.numbersAsked) << "n=" << c.n;
        EXPECT_EQ(PaintedPixels(p, kInk).size(), c.n < 0 ? 0u : 1u) << "n=" << c.n; // all on (2+0, 2)
    }
}

TEST(SprayAt, DotsOutsideThePictureAreDropped)
{
    Picture p({4, 4});
    ScriptedUniform u{{0.5, 0.9, 0.0, 0.9}};
    SprayAt(p, {0, 0}, kInk, 2147483647, 1, u.Source()); // far outside, no overflow
    EXPECT_TRUE(PaintedPixels(p, kInk).empty());
    ScriptedUniform v{{0.0, 0.5}};
    SprayAt(p, {-3, 1}, kInk, 6, 0, v.Source()); // -3 + 3 = 0
    EXPECT_EQ(PaintedPixels(p, kInk), (std::vector<Point>{Point{0, 1}}));
}

TEST(SprayAt, DotsStayInsideTheRadius)
{
    Picture p({101, 101}, ix::gfx::colors::White);
    std::uint32_t state = 12345;
    const UniformSource lcg = [&state] {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 16777216.0;
    };
    SprayAt(p, {50, 50}, kInk, 20, 2000, lcg);
    const auto dots = PaintedPixels(p, kInk);
    EXPECT_GT(dots.size(), 300u);
    for (Point d : dots) EXPECT_LE((d.x - 50) * (d.x - 50) + (d.y - 50) * (d.y - 50), 21 * 21);
}

} // namespace
