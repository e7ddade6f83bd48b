#include "gfx/GfxError.h"
#include "gfx/LayerStack.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ix::gfx;

namespace {

// A stack of `n` layers, 4 × 4, layer i filled with grey level 10·i.
LayerStack Stack(int n)
{
    LayerStack s;
    s.Reset(Picture({4, 4}, Color::FromRgb(0, 0, 0)));
    for (int i = 1; i < n; ++i) {
        s.Add();
        s.Current().picture.Fill(Color::FromRgb(10 * i, 10 * i, 10 * i));
    }
    return s;
}

std::vector<int> Greys(const LayerStack& s)
{
    std::vector<int> v;
    for (const Layer& l : s.Layers()) v.push_back(l.picture.GetPixel({0, 0}).R());
    return v;
}

void ExpectSame(const LayerStack& a, const LayerStack& b)
{
    ASSERT_EQ(a.Count(), b.Count());
    EXPECT_EQ(a.CurrentIndex(), b.CurrentIndex());
    for (int i = 0; i < a.Count(); ++i) {
        EXPECT_EQ(a.At(i).picture, b.At(i).picture) << i;
        EXPECT_EQ(a.At(i).ShownRect(), b.At(i).ShownRect()) << i;
    }
}

} // namespace

TEST(LayerStack, AddMakesAWhiteCurrentLayerLikeTheCurrentOne)
{
    LayerStack s;
    s.Reset(Picture({5, 3}, colors::Red, PixelFormat::BlackWhite1));
    EXPECT_EQ(s.Add(), 1);
    EXPECT_EQ(s.CurrentIndex(), 1);
    const Layer& l = s.Current();
    EXPECT_EQ(l.picture.GetSize(), (Size{5, 3}));
    EXPECT_EQ(l.picture.Format(), PixelFormat::BlackWhite1);
    EXPECT_EQ(l.picture.GetPixel({4, 2}), colors::White);
    EXPECT_EQ(l.ShownRect(), (Rect{0, 0, 5, 3}));
    EXPECT_TRUE(l.visible);
    EXPECT_EQ(l.transparency, 255);
    EXPECT_EQ(l.blend, BlendOp::Normal);
}

TEST(LayerStack, RemoveAndItsCurrentIndexRule)
{
    struct Case {
        int layers;
        int remove;
        std::vector<int> greys;
        int current;
    } cases[] = {
        {1, 0, {0}, 0},          // the last layer stays
        {3, 1, {0, 20}, 1},      // the next layer takes the index
        {3, 2, {0, 10}, 1},      // the top was removed: the new top
        {3, 0, {10, 20}, 0},
    };
    for (const auto& c : cases) {
        LayerStack s = Stack(c.layers);
        s.Remove(c.remove);
        EXPECT_EQ(Greys(s), c.greys) << c.layers << "/" << c.remove;
        EXPECT_EQ(s.CurrentIndex(), c.current) << c.layers << "/" << c.remove;
    }
    LayerStack s = Stack(2);
    EXPECT_THROW(s.Remove(2), GfxError);
    EXPECT_EQ(s.Count(), 2);
}

TEST(LayerStack, RemoveTakesTheMaskAbove)
{
    LayerStack s = Stack(4);
    s.At(2).isMask = true;
    s.Remove(1);
    EXPECT_EQ(Greys(s), (std::vector<int>{0, 30}));
    EXPECT_EQ(s.CurrentIndex(), 1);
}

TEST(LayerStack, MoveStopsAtEitherEnd)
{
    LayerStack s = Stack(3);
    s.MoveCurrentUp(); // top already
    EXPECT_EQ(Greys(s), (std::vector<int>{0, 10, 20}));
    s.MoveCurrentDown();
    EXPECT_EQ(Greys(s), (std::vector<int>{0, 20, 10}));
    EXPECT_EQ(s.CurrentIndex(), 1);
    s.MoveCurrentDown();
    s.MoveCurrentDown(); // at 0 already
    EXPECT_EQ(Greys(s), (std::vector<int>{20, 0, 10}));
    EXPECT_EQ(s.CurrentIndex(), 0);
}

TEST(LayerStack, MergeKeepsTheLowerIndexAndMakesItCurrent)
{
    for (auto [a, b] : {std::pair{2, 1}, std::pair{1, 2}}) {
        LayerStack s = Stack(4);
        s.At(2).picture.EnsureAlpha(0);
        s.At(2).picture.SetAlpha({0, 0}, 255);
        s.Merge(a, b);
        EXPECT_EQ(s.Count(), 3);
        EXPECT_EQ(s.CurrentIndex(), 1);
        EXPECT_EQ(Greys(s), (std::vector<int>{0, 20, 30})) << "the upper shows where it is opaque";
        EXPECT_EQ(s.At(1).picture.GetPixel({1, 1}).R(), 10) << "the lower shows where the upper is transparent";
    }
}

TEST(LayerStack, MergeGrowsToCoverBothLayers)
{
    LayerStack s = Stack(2);
    s.At(1).picture = Picture({2, 2}, colors::Red);
    s.At(1).posX = 3;
    s.At(1).posY = 3;
    s.Merge(0, 1);
    ASSERT_EQ(s.Count(), 1);
    const Layer& l = s.At(0);
    EXPECT_EQ(l.ShownRect(), (Rect{0, 0, 5, 5}));
    EXPECT_EQ(l.picture.GetPixel({4, 4}), colors::Red);
    EXPECT_EQ(l.picture.GetAlpha({4, 0}), 0);   // covered by neither layer
    EXPECT_EQ(l.picture.GetAlpha({0, 0}), 255); // the lower layer
    EXPECT_EQ(l.picture.GetPixel({0, 0}), colors::Black);
}

TEST(LayerStack, MergeErrorsAndSelfMergeLeaveTheStackUnchanged)
{
    const std::pair<int, int> cases[] = {{1, 5}, {-1, 0}, {3, 3}, {0, 9}, {2, 2}};
    for (auto [a, b] : cases) {
        LayerStack s = Stack(3);
        s.SetCurrentIndex(2);
        const LayerStack before = s;
        if (a == b && a < s.Count()) EXPECT_NO_THROW(s.Merge(a, b));
        else EXPECT_THROW(s.Merge(a, b), GfxError) << a << "," << b;
        ExpectSame(s, before);
    }
}

TEST(LayerStack, MergeAllComposesOnTheBackgroundIntoOneNewLayer)
{
    LayerStack s = Stack(3);
    s.At(1).posX = -2;
    s.At(1).transparency = 0; // contributes nothing but still widens the extent
    s.At(2).picture = Picture({1, 1}, colors::Red);
    s.At(2).posX = 5;
    s.At(2).blend = BlendOp::Min;
    s.At(0).blend = BlendOp::Mul;
    s.At(0).transparency = 300;
    s.MergeAll(colors::White);
    ASSERT_EQ(s.Count(), 1);
    EXPECT_EQ(s.CurrentIndex(), 0);
    const Layer& l = s.At(0);
    EXPECT_EQ(l.ShownRect(), (Rect{0, 0, 8, 4}));
    EXPECT_EQ(l.transparency, 255);
    EXPECT_EQ(l.blend, BlendOp::Normal);
    EXPECT_TRUE(l.visible);
    EXPECT_EQ(l.picture.GetPixel({0, 0}), colors::White); // only layer 1 (invisible by transparency) was here
    EXPECT_EQ(l.picture.GetPixel({2, 0}), colors::Black); // layer 0: black Mul over white
    EXPECT_EQ(l.picture.GetPixel({7, 0}), colors::Red);   // red Min the white background
}

TEST(LayerStack, MergesTooLargeToMakeThrowAndChangeNothing)
{
    // Layers so far apart that a picture covering both is refused.
    for (bool all : {false, true}) {
        LayerStack s = Stack(3);
        s.At(1).posX = 2000000000;
        s.At(1).posY = -2000000000;
        s.At(2).posX = -5;
        const LayerStack before = s;
        if (all) EXPECT_THROW(s.MergeAll(colors::White), GfxError);
        else EXPECT_THROW(s.Merge(0, 1), GfxError);
        ExpectSame(s, before);
    }
    Layer far;
    far.picture = Picture({4, 4});
    far.posX = 2147483646;
    EXPECT_EQ(far.ShownRect().right, 2147483647);
}
