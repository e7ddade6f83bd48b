#include "FilterTestSupport.h"

#include "canvas/filters/BlurFilter.h"
#include "canvas/filters/FisheyeFilter.h"
#include "canvas/filters/MosaicFilter.h"
#include "canvas/filters/SmoothFilter.h"

#include <gtest/gtest.h>

#include <climits>

using namespace ix::canvas;
using namespace ix::canvas::test;

namespace {

TEST(SmoothFilter, AveragesFourNeighboursInPlaceAndKeepsTheBorder)
{
    auto p = GreyPicture({
        {0, 8, 16, 0},
        {4, 100, 40, 12},
        {0, 20, 32, 0},
    });
    SmoothFilter(p);
    // (1,1) = (8 + 20 + 4 + 40) >> 2 = 18; (2,1) sees the smoothed left pixel:
    // (16 + 32 + 18 + 12) >> 2 = 19.
    EXPECT_EQ(GreyLevels(p), (Levels{{0, 8, 16, 0}, {4, 18, 19, 12}, {0, 20, 32, 0}}));
}

TEST(SmoothFilter, TinyBitmapsHaveOnlyBorder)
{
    for (const Levels& rows : {Levels{{5, 6}, {7, 8}}, Levels{{1, 2, 3}}, Levels{{1}, {2}, {3}}, Levels{}}) {
        auto p = GreyPicture(rows);
        SmoothFilter(p);
        EXPECT_EQ(GreyLevels(p), rows);
    }
}

TEST(DiagonalAveragePass, InPlaceWithTheEdgeRules)
{
    struct Case {
        Levels in;
        int d;
        Levels out;
    };
    const Case cases[] = {
        // Row: x=0 uses its own column on the left; x=3 mirrors to width − 3 = 1 on the right;
        // every value sees the already averaged ones before it.
        {{{0, 100, 200, 40}}, 1, {{50, 125, 82, 103}}},
        {{{0}, {100}, {200}, {40}}, 1, {{50}, {125}, {82}, {103}}},
        // Narrower than the distance: width − column = 2 would lie past the bitmap and
        // reads the last column.
        {{{0, 100}}, 3, {{50, 100}}},
        {{{0, 100}}, 0, {{0, 100}}},
        {{{9, 9}, {9, 9}}, 3, {{9, 9}, {9, 9}}},
    };
    for (const auto& c : cases) {
        auto p = GreyPicture(c.in);
        DiagonalAveragePass(p, c.d);
        EXPECT_EQ(GreyLevels(p), c.out) << "d=" << c.d;
    }
}

TEST(DiagonalAveragePass, TwoDimensionalCorners)
{
    // 3 × 3, d = 1. (0,0): upper/left are its own row/column, lower-right (1,1):
    // (10 + 40 + 20 + 50) >> 2 = 30, and so on in place.
    auto p = GreyPicture({
        {10, 20, 30},
        {40, 50, 60},
        {70, 80, 90},
    });
    DiagonalAveragePass(p, 1);
    const auto got = GreyLevels(p);
    EXPECT_EQ(got[0][0], (10 + 40 + 20 + 50) >> 2);
    // (1,0): upper row 0 (own), lower row 1, left col 0 (now 30), right col 2.
    EXPECT_EQ(got[0][1], (30 + 40 + 30 + 60) >> 2);
    // (2,2): upper row 1, lower row 3 − 2 = 1, left col 1, right col 3 − 2 = 1.
    EXPECT_EQ(got[2][2], (got[1][1] * 4) >> 2);
}

TEST(BlurFilter, PassCountFollowsThePressure)
{
    const Levels start = {{0, 255, 0, 255, 0, 255, 0, 255}, {255, 0, 255, 0, 255, 0, 255, 0},
                          {0, 0, 0, 0, 255, 255, 255, 255}, {9, 99, 199, 29, 59, 89, 119, 149}};
    auto once = GreyPicture(start);
    DiagonalAveragePass(once, 3);
    auto twice = once;
    DiagonalAveragePass(twice, 3);

    auto p0 = GreyPicture(start);
    BlurFilter(p0, 0); // pressure 0 still makes one pass
    EXPECT_EQ(p0, once);
    auto p1 = GreyPicture(start);
    BlurFilter(p1, 1);
    EXPECT_EQ(p1, twice);
    auto none = GreyPicture(start);
    BlurFilter(none, -1);
    EXPECT_EQ(GreyLevels(none), start);
}

TEST(BlurFilter, AbsurdPressureEndsAtTheSettledBitmap)
{
    auto p = GreyPicture({{0, 255, 0, 255, 0}, {255, 0, 255, 0, 255}, {0, 0, 0, 255, 255}});
    BlurFilter(p, INT_MAX);
    auto again = p;
    EXPECT_FALSE(DiagonalAveragePass(again, 3)) << "a further pass would still change the bitmap";
}

TEST(MosaicFilter, BlocksTakeTheirTopLeftColour)
{
    const Levels start = {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13, 14, 15}, {16, 17, 18, 19, 20}};
    struct Case {
        std::int64_t n;
        Levels out;
    };
    const Case cases[] = {
        {2, {{1, 1, 3, 3, 5}, {1, 1, 3, 3, 5}, {11, 11, 13, 13, 15}, {11, 11, 13, 13, 15}}},
        {3, {{1, 1, 1, 4, 4}, {1, 1, 1, 4, 4}, {1, 1, 1, 4, 4}, {16, 16, 16, 19, 19}}},
        {1, start},
        {0, start},
        {-5, start},
        {1000000000000LL, {{1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}}},
    };
    for (const auto& c : cases) {
        auto p = GreyPicture(start);
        MosaicFilter(p, c.n);
        EXPECT_EQ(GreyLevels(p), c.out) << "n=" << c.n;
    }
}

TEST(MosaicFilter, FlowPressureTwentyMakesTenPixelBlocks)
{
    Levels start(12, std::vector<int>(12));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) start[y][x] = y * 12 + x;
    auto p = GreyPicture(start);
    MosaicFilter(p, 20 / 2);
    const auto got = GreyLevels(p);
    EXPECT_EQ(got[9][9], 0);
    EXPECT_EQ(got[0][10], 10);
    EXPECT_EQ(got[11][11], 130);
    EXPECT_EQ(got[10][3], 120);
}

// Expected bytes below come from the lens formula evaluated step by step in single
// precision (each operation rounded to a float), with Python's round (ties to even).
TEST(FisheyeFilter, TwoByTwo)
{
    const auto source = GreyPicture({{100, 40}, {80, 200}});
    auto target = source;
    FisheyeFilter(source, target, 1);
    // (1,1) is the centre and keeps its pixel; (1,0) and (0,1) sample themselves; (0,0)
    // samples -0.7071 in both axes: 0.5·100 + 0.2071·(80 + 40) + 0.0858·200 = 92.01.
    EXPECT_EQ(GreyLevels(target), (Levels{{92, 40}, {80, 200}}));
}

TEST(FisheyeFilter, FiveByFourWithWrapping)
{
    const auto source = GreyPicture({{0, 37, 74, 111, 148},
                                     {91, 128, 165, 202, 239},
                                     {182, 219, 0, 37, 74},
                                     {17, 54, 91, 128, 165}});
    auto k1 = source;
    FisheyeFilter(source, k1, 1);
    EXPECT_EQ(GreyLevels(k1), (Levels{{21, 37, 104, 135, 148},
                                      {113, 142, 113, 137, 191},
                                      {182, 125, 8, 29, 58},
                                      {45, 84, 65, 89, 133}}));
    auto k3 = source;
    FisheyeFilter(source, k3, 3);
    EXPECT_EQ(GreyLevels(k3), (Levels{{100, 132, 158, 180, 199},
                                      {163, 120, 98, 118, 144},
                                      {219, 73, 9, 28, 49},
                                      {118, 78, 58, 78, 102}}));
}

TEST(FisheyeFilter, PixelsOnTheLensRimKeepTheirValue)
{
    // W = 2, k = 1: R = 2, and the pixels (1,1) and (1,5) lie exactly at distance 2 from
    // the centre (1,3).
    const auto source = GreyPicture({{0, 10}, {20, 30}, {40, 50}, {60, 70}, {80, 90}, {100, 110}});
    auto target = source;
    FisheyeFilter(source, target, 1);
    EXPECT_EQ(GreyLevels(target), (Levels{{43, 10}, {60, 30}, {29, 50}, {60, 70}, {97, 90}, {18, 110}}));
}

TEST(FisheyeFilter, MismatchedOrEmptyPicturesChangeNothing)
{
    const auto source = GreyPicture({{1, 2}, {3, 4}});
    auto other = GreyPicture({{9, 9, 9}});
    FisheyeFilter(source, other, 1);
    EXPECT_EQ(GreyLevels(other), (Levels{{9, 9, 9}}));
    ix::gfx::Picture empty;
    ix::gfx::Picture emptyTarget;
    FisheyeFilter(empty, emptyTarget, 1);
    EXPECT_TRUE(emptyTarget.IsEmpty());
    auto zeroK = source; // k = 0 gives R = 0; every sample lands on the centre
    FisheyeFilter(source, zeroK, 0);
    EXPECT_EQ(GreyLevels(zeroK), (Levels{{4, 4}, {4, 4}}));
}

} // namespace
