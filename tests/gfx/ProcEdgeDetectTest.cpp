// Tests of the Shen–Castan edge detection.
#include "gfx/ops/ColorCount.h"
#include "gfx/ops/EdgeDetect.h"

#include <gtest/gtest.h>

namespace ix::gfx {
namespace {

TEST(ProcEdgeDetect, SquareOutlineIsFoundFlatHasNone)
{
    Picture flat(Size{30, 30}, Color::FromRgb(120, 80, 40));
    EdgeDetect(flat, 0.9, 0.99, 7, 0, true);
    EXPECT_EQ(CountColors(flat, flat.Bounds()), 1);
    EXPECT_EQ(flat.GetPixel({15, 15}), colors::Black);

    Picture p(Size{40, 40}, colors::Black);
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 30; ++x) p.SetPixel({x, y}, colors::White);
    EdgeDetect(p, 0.9, 0.99, 7, 0, true);
    EXPECT_EQ(p.GetPixel({20, 20}), colors::Black) << "inside";
    EXPECT_EQ(p.GetPixel({2, 2}), colors::Black) << "outside";
    int onBorder = 0;
    for (int x = 12; x < 28; ++x) {
        for (int y = 8; y <= 11; ++y) onBorder += p.GetPixel({x, y}) == colors::White;
    }
    EXPECT_GE(onBorder, 12) << "the top side of the square is an edge";
    EXPECT_LE(CountColors(p, p.Bounds()), 2);
}

TEST(ProcEdgeDetect, TinyAndOddArgumentsDoNotCrash)
{
    for (Size s : {Size{1, 1}, Size{1, 7}, Size{5, 1}}) {
        Picture p(s, colors::Black);
        EdgeDetect(p, 5.0, -1.0, 1000000, 0, false);
        EXPECT_EQ(p.GetSize(), s);
    }
}

} // namespace
} // namespace ix::gfx
