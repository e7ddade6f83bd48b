// Tests of the soft shadow and the colour reduction.
#include "gfx/GfxError.h"
#include "gfx/ops/ColorCount.h"
#include "gfx/ops/ColorReduce.h"
#include "gfx/ops/SoftShadow.h"

#include <gtest/gtest.h>

#include <limits>

namespace ix::gfx {
namespace {

TEST(ProcSoftShadow, GrowsByOffsetAndRadius)
{
    Picture p(Size{10, 8}, Color::FromRgb(200, 10, 10));
    AddSoftShadow(p, 2.0, 3, -1, colors::Black, 100);
    ASSERT_EQ(p.GetSize(), (Size{10 + 6 + 10, 8 + 6 + 10}));
    ASSERT_TRUE(p.HasAlpha());
    const int m = 8; // half the growth
    EXPECT_EQ(p.GetPixel({m + 2, m + 2}), Color::FromRgb(200, 10, 10));
    EXPECT_EQ(p.GetAlpha({m + 2, m + 2}), 255);
    EXPECT_EQ(p.GetAlpha({0, 0}), 0);
    // Right of the picture, inside the shadow: dark and partly opaque.
    const int a = p.GetAlpha({m + 11, m + 4});
    EXPECT_GT(a, 0);
    EXPECT_LT(a, 255);
    EXPECT_EQ(p.GetPixel({m + 11, m + 4}), colors::Black);
    Picture none(Size{4, 4});
    AddSoftShadow(none, 0.0, 0, 0, colors::Black, 0);
    EXPECT_EQ(none.GetSize(), (Size{5, 5})) << "at least one pixel";
    EXPECT_EQ(none.GetAlpha({4, 4}), 0) << "intensity 0 leaves no shadow";
}

TEST(ProcSoftShadow, AbsurdArgumentsAreRefusedUnchanged)
{
    Picture p(Size{4, 4});
    const Picture original = p;
    for (double r : {1e9, -1.0, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(AddSoftShadow(p, r, 0, 0, colors::Black, 100), GfxError) << r;
    EXPECT_THROW(AddSoftShadow(p, 1, std::numeric_limits<int>::min(), 0, colors::Black, 100), GfxError);
    EXPECT_EQ(p, original);
}

TEST(ProcColorReduce, LimitsTheColourCount)
{
    Picture p(Size{64, 64});
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) p.SetPixel({x, y}, Color::FromRgb(x * 4, y * 4, (x + y) * 2));
    const int before = CountColors(p, p.Bounds());
    struct Case { int n; int atMost; PixelFormat format; };
    for (const Case c : {Case{3, 3, PixelFormat::Bgr24}, Case{16, 16, PixelFormat::Bgr24}, Case{1024, 1024, PixelFormat::Bgr24},
                         Case{2, 2, PixelFormat::BlackWhite1}, Case{-7, 2, PixelFormat::BlackWhite1}}) {
        Picture q = p;
        ReduceColors(q, c.n);
        EXPECT_EQ(q.Format(), c.format) << c.n;
        EXPECT_LE(CountColors(q, q.Bounds()), c.atMost) << c.n;
        if (c.format == PixelFormat::Bgr24) {
            EXPECT_GE(CountColors(q, q.Bounds()), std::min(c.n, 64)) << c.n;
        }
    }
    Picture same = p;
    ReduceColors(same, 1025);
    EXPECT_EQ(same, p);
    EXPECT_GT(before, 1024);
    Picture bw(Size{4, 4}, colors::Black, PixelFormat::BlackWhite1);
    ReduceColors(bw, 8);
    EXPECT_EQ(bw.Format(), PixelFormat::Bgr24);
}

} // namespace
} // namespace ix::gfx
