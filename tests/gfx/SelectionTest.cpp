// Selection masks: shapes, bounds, intensity, feathering.
#include "gfx/view/Selection.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ix::gfx;

namespace {

int CountSelected(const Selection& s)
{
    int n = 0;
    for (int y = 0; y < s.PictureSize().height; ++y)
        for (int x = 0; x < s.PictureSize().width; ++x) n += s.At({x, y}) != 0;
    return n;
}

} // namespace

TEST(Selection, NothingSelectedReportsTheNoSelectionBounds)
{
    Selection s;
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.Bounds(), (SelectionBounds{2147483647, 2147483647, 0, 0}));
    EXPECT_EQ(s.At({0, 0}), 0);
}

TEST(Selection, RectangleBoundsAreInclusiveAndClipped)
{
    Selection s;
    s.SelectRect({100, 100}, {10, 20, 50, 60}, 255);
    EXPECT_EQ(s.Bounds(), (SelectionBounds{10, 20, 49, 59}));
    EXPECT_EQ(CountSelected(s), 40 * 40);
    EXPECT_EQ(s.At({49, 59}), 255);
    EXPECT_EQ(s.At({50, 59}), 0);
    s.SelectRect({100, 100}, {90, 90, 130, 95}, 255); // partly outside
    EXPECT_EQ(s.Bounds(), (SelectionBounds{90, 90, 99, 94}));
    s.SelectRect({100, 100}, {120, 0, 130, 10}, 255); // wholly outside
    EXPECT_TRUE(s.IsEmpty());
    s.SelectRect({100, 100}, {50, 60, 10, 20}, 255); // corners in any order
    EXPECT_EQ(s.Bounds(), (SelectionBounds{10, 20, 49, 59}));
}

TEST(Selection, EllipseFillsTheInscribedDisc)
{
    Selection s;
    s.SelectEllipse({40, 40}, {0, 0, 20, 20}, 200);
    EXPECT_EQ(s.Bounds(), (SelectionBounds{0, 0, 19, 19}));
    EXPECT_EQ(s.At({10, 10}), 200);
    EXPECT_EQ(s.At({0, 0}), 0);   // corners lie outside the circle
    EXPECT_EQ(s.At({19, 19}), 0);
    EXPECT_EQ(s.At({0, 10}), 200); // the edge midpoints are inside
    // The area of a radius-10 disc is about 314 pixels.
    EXPECT_NEAR(CountSelected(s), 314, 12);
}

TEST(Selection, PolygonUsesPixelCentres)
{
    Selection s;
    const std::vector<Point> square{{2, 2}, {8, 2}, {8, 6}, {2, 6}};
    s.SelectPolygon({10, 10}, square, 255);
    EXPECT_EQ(s.Bounds(), (SelectionBounds{2, 2, 7, 5}));
    EXPECT_EQ(CountSelected(s), 24);
    const std::vector<Point> triangle{{0, 0}, {10, 0}, {0, 10}};
    s.SelectPolygon({10, 10}, triangle, 255);
    EXPECT_EQ(s.At({0, 8}), 255);
    EXPECT_EQ(s.At({0, 9}), 0); // its centre lies outside the diagonal
    EXPECT_EQ(s.At({9, 0}), 0); // this centre lies on it: edges belong to one side only
    EXPECT_EQ(CountSelected(s), 45); // centres with x + y < 9: 9 + 8 + ... + 1
    const std::vector<Point> line{{0, 0}, {5, 5}};
    s.SelectPolygon({10, 10}, line, 255);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(Selection, IntensitySetsEverySelectedValue)
{
    Selection s;
    s.SelectEllipse({30, 30}, {0, 0, 30, 30}, 255);
    const SelectionBounds before = s.Bounds();
    s.SetIntensity(77);
    EXPECT_EQ(s.At({15, 15}), 77);
    EXPECT_EQ(s.At({0, 0}), 0); // unselected pixels stay unselected
    EXPECT_EQ(s.Bounds(), before);
    s.SetIntensity(0);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(Selection, FeatheringSoftensTheEdge)
{
    Selection s;
    s.SelectRect({60, 60}, {20, 20, 40, 40}, 255);
    s.Feather(6);
    EXPECT_EQ(s.At({30, 30}), 255);                 // the middle stays fully selected
    const int atEdge = s.At({20, 30});
    EXPECT_GT(atEdge, 60);
    EXPECT_LT(atEdge, 200);                          // the old edge is half selected
    EXPECT_GT(s.At({18, 30}), 0);                    // softness reaches outside
    EXPECT_LT(s.At({18, 30}), atEdge);
    EXPECT_LT(s.At({22, 30}), 255);                  // and inside
    EXPECT_EQ(s.At({5, 30}), 0);                     // but not far
    EXPECT_LT(s.Bounds().x1, 20);
    // Values fall monotonically across the edge.
    for (int x = 14; x < 30; ++x) EXPECT_LE(s.At({x, 30}), s.At({x + 1, 30})) << x;
}

TEST(Selection, FeatherWithoutSelectionOrRadiusChangesNothing)
{
    Selection s;
    s.Feather(5);
    EXPECT_TRUE(s.IsEmpty());
    s.SelectRect({10, 10}, {2, 2, 8, 8}, 255);
    const auto version = s.Version();
    s.Feather(0);
    s.Feather(-3);
    EXPECT_EQ(s.Version(), version);
    s.Feather(1e12); // absurd radii stay bounded by the picture
    EXPECT_FALSE(s.IsEmpty());
}

TEST(Selection, MarksAndPictureReplacement)
{
    Selection s;
    std::vector<std::uint8_t> marks(16, 0);
    marks[5] = 1;
    marks[10] = 1;
    s.SelectMarks({4, 4}, marks, 128);
    EXPECT_EQ(s.Bounds(), (SelectionBounds{1, 1, 2, 2}));
    EXPECT_EQ(s.At({1, 1}), 128);
    s.MatchPicture({4, 4});
    EXPECT_FALSE(s.IsEmpty());
    s.MatchPicture({5, 4});
    EXPECT_TRUE(s.IsEmpty());
    s.SelectMarks({4, 4}, std::vector<std::uint8_t>(3, 1), 255); // wrong count
    EXPECT_TRUE(s.IsEmpty());
}
