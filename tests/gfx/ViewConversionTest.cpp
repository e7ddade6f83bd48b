// Placement of the picture in an ImageView: zoom, scroll, centring, fit, and the view's
// and each layer's screen-to-picture conversions.
#include "gfx/view/ImageView.h"

#include <gtest/gtest.h>

using namespace ix::gfx;

namespace {

struct ViewFixture : ::testing::Test {
    ImageView view;
    void Make(Size picture, Size client, bool centred = false)
    {
        view.Layers().Reset(Picture(picture, colors::White));
        view.SetCentered(centred);
        view.SetClientSize(client);
        view.Update();
    }
};

} // namespace

TEST_F(ViewFixture, ScreenToPictureAtZoomsAndScrollPositions)
{
    struct Case {
        double zoom;
        Point scroll;
        Point client;
        Point expected;
    };
    const Case cases[] = {
        {100, {0, 0}, {10, 20}, {10, 20}},
        {200, {0, 0}, {9, 21}, {4, 10}},    // truncated down
        {200, {30, 50}, {10, 10}, {20, 30}}, // scroll is in screen pixels
        {50, {0, 0}, {10, 11}, {20, 22}},
        {800, {0, 0}, {7, 8}, {0, 1}},
        {300, {0, 0}, {-1, -4}, {-1, -2}}, // left of the picture is negative
        {25, {40, 0}, {0, 0}, {160, 0}}, // 250 × 200 on screen: scrolls up to 50
    };
    Make({1000, 800}, {200, 150});
    for (const Case& c : cases) {
        view.SetZoom(c.zoom);
        view.SetViewXY(c.scroll.x, c.scroll.y);
        EXPECT_EQ(view.ViewX(), c.scroll.x);
        EXPECT_EQ(view.ScreenToPicture(c.client), c.expected) << "zoom " << c.zoom;
    }
}

TEST_F(ViewFixture, ZoomOfZeroOrLessIsIgnored)
{
    Make({100, 100}, {50, 50});
    view.SetZoom(250);
    for (double z : {0.0, -5.0, -100.0}) {
        view.SetZoom(z);
        EXPECT_EQ(view.Zoom(), 250);
    }
}

TEST_F(ViewFixture, ScrollIsClampedToThePictureOnScreen)
{
    Make({100, 80}, {50, 50});
    view.SetZoom(200); // 200 × 160 on screen
    view.SetViewXY(1000, -7);
    EXPECT_EQ(view.ViewX(), 150);
    EXPECT_EQ(view.ViewY(), 0);
    EXPECT_EQ(view.ScrollRange(), (Size{150, 110}));
}

TEST_F(ViewFixture, CentringPlacesASmallPictureInTheMiddle)
{
    Make({40, 20}, {100, 60}, true);
    EXPECT_EQ(view.Origin(), (Point{30, 20}));
    EXPECT_EQ(view.ScreenToPicture({30, 20}), (Point{0, 0}));
    view.SetCentered(false);
    EXPECT_EQ(view.Origin(), (Point{0, 0}));
}

TEST_F(ViewFixture, FitKeepsTheAspectRatio)
{
    Make({400, 100}, {200, 200});
    view.Fit();
    EXPECT_DOUBLE_EQ(view.Zoom(), 50.0);
    Make({100, 400}, {200, 200});
    view.SetAutoFit(true);
    EXPECT_DOUBLE_EQ(view.Zoom(), 50.0);
    view.SetClientSize({200, 800}); // auto-fit follows the client
    EXPECT_DOUBLE_EQ(view.Zoom(), 200.0);
}

TEST_F(ViewFixture, FitOfAnEmptyPictureDoesNothing)
{
    Make({0, 0}, {200, 200});
    view.SetZoom(150);
    view.Fit();
    EXPECT_EQ(view.Zoom(), 150);
    view.SetAutoFit(true);
    EXPECT_EQ(view.Zoom(), 150);
}

TEST_F(ViewFixture, ViewChangeIsReportedForZoomAndScrollOnly)
{
    Make({1000, 1000}, {100, 100});
    int changes = 0;
    view.SetViewChangeHandler([&] { ++changes; });
    view.SetZoom(200);
    EXPECT_EQ(changes, 1);
    view.SetViewXY(10, 10);
    EXPECT_EQ(changes, 2);
    view.SetViewXY(10, 10); // nothing moved
    view.SetZoom(-1);       // ignored
    view.SetBackgroundColor(colors::Red);
    EXPECT_EQ(changes, 2);
}

TEST_F(ViewFixture, ZoomKeepsThePointUnderTheAnchor)
{
    Make({1000, 1000}, {100, 100});
    view.ZoomAt(400, {50, 50});
    EXPECT_EQ(view.ScreenToPicture({50, 50}), (Point{50, 50}));
    EXPECT_EQ(view.ViewX(), 150);
    const Point under = view.ScreenToPicture({20, 20}); // (20 + 150) / 4 = 42.5
    EXPECT_EQ(under, (Point{42, 42}));
    view.ZoomAt(200, {20, 20});
    EXPECT_EQ(view.ScreenToPicture({20, 20}), under);
    EXPECT_EQ(view.ViewX(), 65);
}

TEST_F(ViewFixture, LayerConversionOffsetsAndScales)
{
    Make({200, 200}, {100, 100});
    Layer layer;
    layer.picture = Picture({40, 30});
    layer.posX = 15;
    layer.posY = 5;
    layer.displayWidth = 80; // shown twice as wide as stored
    view.Layers().Add(std::move(layer));
    struct Case {
        double zoom;
        Point client;
        Point expected;
    };
    const Case cases[] = {
        {100, {15, 5}, {0, 0}},
        {100, {35, 15}, {10, 10}},  // x: (35-15)·40/80
        {200, {31, 10}, {0, 0}},    // offset trunc(15·2) = 30, (31-30)/2 = 0
        {200, {70, 40}, {10, 15}},  // (70-30)/2 = 20 → 10; (40-10)/2 = 15
        {150, {37, 20}, {5, 8}},    // offsets trunc(22.5) = 22, trunc(7.5) = 7: 10 → 5; 8.67 → 8
    };
    for (const Case& c : cases) {
        view.SetZoom(c.zoom);
        view.SetViewXY(0, 0);
        EXPECT_EQ(view.LayerScreenToPicture(1, c.client), c.expected) << "zoom " << c.zoom;
    }
}

TEST_F(ViewFixture, LayerConversionWithZeroSizesGivesZero)
{
    Make({100, 100}, {100, 100});
    Layer empty; // picture 0 × 0, display 0 × 0
    empty.posX = 3;
    view.Layers().Add(std::move(empty));
    EXPECT_EQ(view.LayerScreenToPicture(1, {50, 60}), (Point{0, 0}));
    // A display size of 0 means the picture's own size: no scaling.
    Layer plain;
    plain.picture = Picture({10, 10});
    view.Layers().Add(std::move(plain));
    EXPECT_EQ(view.LayerScreenToPicture(2, {7, 9}), (Point{7, 9}));
    EXPECT_THROW(view.LayerScreenToPicture(5, {0, 0}), GfxError);
}
