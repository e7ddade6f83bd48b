// Moving, resizing and rotating layers with the mouse, and their frames on screen.
#include "gfx/view/ImageView.h"

#include <gtest/gtest.h>

using namespace ix::gfx;

namespace {

struct LayerMouseFixture : ::testing::Test {
    ImageView view;
    void SetUp() override
    {
        view.Layers().Reset(Picture({100, 100}, colors::White));
        view.SetCentered(false);
        view.SetClientSize({100, 100});
        Layer layer;
        layer.picture = Picture({20, 10}, colors::Red);
        layer.posX = 30;
        layer.posY = 40;
        view.Layers().Add(std::move(layer));
        Layer other;
        other.picture = Picture({10, 10}, colors::Yellow);
        other.posX = 70;
        other.posY = 70;
        view.Layers().Add(std::move(other));
    }
    void Drag(Point from, Point to)
    {
        view.MouseDown(MouseButton::Left, from);
        view.MouseMove(to);
        view.MouseUp(MouseButton::Left, to);
    }
};

} // namespace

TEST_F(LayerMouseFixture, ClickingALayerMakesItCurrentAndDraggingMovesIt)
{
    view.SetMouseInteract(miMoveLayers | miResizeLayers);
    EXPECT_EQ(view.Layers().CurrentIndex(), 2);
    Drag({35, 45}, {45, 40});
    EXPECT_EQ(view.Layers().CurrentIndex(), 1);
    EXPECT_EQ(view.Layers().At(1).posX, 40);
    EXPECT_EQ(view.Layers().At(1).posY, 35);
    EXPECT_EQ(view.Layers().At(1).ShownWidth(), 20); // moving does not resize
}

TEST_F(LayerMouseFixture, MovingAtZoomUsesPicturePixels)
{
    view.SetZoom(200);
    view.SetViewXY(0, 0);
    view.SetMouseInteract(miMoveLayers | miRotateLayers);
    Drag({150, 150}, {170, 130}); // on layer 2 (70..80 × 70..80 → 140..160 on screen)
    EXPECT_EQ(view.Layers().At(2).posX, 80);
    EXPECT_EQ(view.Layers().At(2).posY, 60);
}

TEST_F(LayerMouseFixture, BackgroundLayerIsSelectedButNotMoved)
{
    view.SetMouseInteract(miMoveLayers);
    Drag({5, 5}, {25, 25});
    EXPECT_EQ(view.Layers().CurrentIndex(), 0);
    EXPECT_EQ(view.Layers().At(0).posX, 0);
}

TEST_F(LayerMouseFixture, ResizingWithTheBottomRightGrip)
{
    view.SetMouseInteract(miMoveLayers | miResizeLayers);
    view.Layers().SetCurrentIndex(1);
    const std::vector<Rect> grips = view.LayerGripRects(1);
    ASSERT_EQ(grips.size(), 8u);
    const Rect br = grips[4];
    const Point at{(br.left + br.right) / 2, (br.top + br.bottom) / 2};
    EXPECT_EQ(at, (Point{50, 50}));
    Drag(at, {at.x + 20, at.y + 5});
    const Layer& l = view.Layers().At(1);
    EXPECT_EQ(l.posX, 30);
    EXPECT_EQ(l.posY, 40);
    EXPECT_EQ(l.ShownWidth(), 40);
    EXPECT_EQ(l.ShownHeight(), 15);
    EXPECT_EQ(l.picture.GetSize(), (Size{20, 10})); // the picture itself keeps its pixels
}

TEST_F(LayerMouseFixture, ResizingFromTheTopLeftNeverTurnsTheLayerInsideOut)
{
    view.SetMouseInteract(miResizeLayers);
    view.Layers().SetCurrentIndex(1);
    Drag({30, 40}, {90, 90});
    const Layer& l = view.Layers().At(1);
    EXPECT_EQ(l.ShownWidth(), 1);
    EXPECT_EQ(l.ShownHeight(), 1);
    EXPECT_EQ(l.posX, 49);
    EXPECT_EQ(l.posY, 49);
}

TEST_F(LayerMouseFixture, RotatingAroundTheCentre)
{
    view.SetMouseInteract(miMoveLayers | miRotateLayers);
    view.Layers().SetCurrentIndex(1); // centre (40, 45)
    // From the top-right corner grip (50, 40) a quarter turn counter-clockwise on screen
    // brings the pointer to the upper left of the centre.
    view.MouseDown(MouseButton::Left, {50, 40});
    EXPECT_EQ(view.Gesture(), ViewGesture::RotateLayer);
    view.MouseMove({35, 35});
    view.MouseUp(MouseButton::Left, {35, 35});
    EXPECT_NEAR(view.Layers().At(1).rotation, 90.0, 0.5);
    EXPECT_EQ(view.Layers().At(1).posX, 30); // turning does not move it
}

TEST_F(LayerMouseFixture, MovedLayerIsRedrawnAtItsNewPlace)
{
    view.SetMouseInteract(miMoveLayers);
    Surface s(view.ClientSize());
    view.Paint(s, Rect::FromSize(view.ClientSize()));
    EXPECT_EQ(FromArgb(s.At({75, 75})), colors::Yellow);
    Drag({75, 75}, {15, 15}); // to 10..20
    view.Paint(s, Rect::FromSize(view.ClientSize()));
    EXPECT_EQ(FromArgb(s.At({75, 75})), colors::White);
    EXPECT_EQ(FromArgb(s.At({15, 15})), colors::Yellow);
    // A frame marks each layer while layer interaction is on.
    EXPECT_NE(FromArgb(s.At({10, 12})), colors::Yellow);
    view.SetMouseInteract(miNone);
    view.Paint(s, Rect::FromSize(view.ClientSize()));
    EXPECT_EQ(FromArgb(s.At({10, 12})), colors::Yellow);
}

TEST_F(LayerMouseFixture, ChangingTheInteractionDropsAGesture)
{
    view.SetMouseInteract(miMoveLayers);
    view.MouseDown(MouseButton::Left, {35, 45});
    view.SetMouseInteract(miNone);
    EXPECT_FALSE(view.MouseMove({60, 60}));
    EXPECT_EQ(view.Layers().At(1).posX, 30);
}
