// Selections drawn on an ImageView with injected mouse gestures, and the magic wand.
#include "gfx/view/ImageView.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ix::gfx;

namespace {

struct MouseFixture : ::testing::Test {
    ImageView view;
    void SetUp() override
    {
        view.Layers().Reset(Picture({100, 100}, colors::White));
        view.SetCentered(false);
        view.SetClientSize({100, 100});
        view.SetSelectionMaskDepth(8);
    }
    void Drag(Point from, Point to)
    {
        view.MouseDown(MouseButton::Left, from);
        view.MouseMove({(from.x + to.x) / 2, (from.y + to.y) / 2});
        view.MouseMove(to);
        view.MouseUp(MouseButton::Left, to);
    }
    int Count() const
    {
        int n = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) n += view.SelectionMask().At({x, y}) != 0;
        return n;
    }
};

} // namespace

TEST_F(MouseFixture, EmptyInteractionSetDoesNothing)
{
    EXPECT_FALSE(view.MouseDown(MouseButton::Left, {10, 10}));
    EXPECT_FALSE(view.MouseMove({30, 30}));
    EXPECT_FALSE(view.MouseUp(MouseButton::Left, {30, 30}));
    EXPECT_FALSE(view.HasSelection());
}

TEST_F(MouseFixture, RectangleSelectionWithRubberBand)
{
    view.SetMouseInteract(miSelect);
    view.MouseDown(MouseButton::Left, {10, 20});
    view.MouseMove({30, 40});
    EXPECT_EQ(view.Gesture(), ViewGesture::SelectRect);
    // While drawing, the bounds are the rubber band's.
    EXPECT_EQ(view.SelectedBounds(), (SelectionBounds{10, 20, 30, 40}));
    view.MouseMove({50, 60});
    view.MouseUp(MouseButton::Left, {50, 60});
    EXPECT_EQ(view.Gesture(), ViewGesture::None);
    EXPECT_EQ(view.SelectedBounds(), (SelectionBounds{10, 20, 49, 59}));
    EXPECT_EQ(Count(), 1600);
}

TEST_F(MouseFixture, RectangleSelectionAtZoomAndWithIntensity)
{
    view.SetZoom(200);
    view.SetViewXY(0, 0);
    view.SetSelectionIntensity(90);
    view.SetMouseInteract(miSelect);
    Drag({20, 20}, {61, 41}); // picture 10..30 × 10..20
    EXPECT_EQ(view.SelectedBounds(), (SelectionBounds{10, 10, 29, 19}));
    EXPECT_EQ(view.SelectionMask().At({10, 10}), 90);
}

TEST_F(MouseFixture, RightButtonStartsNothing)
{
    view.SetMouseInteract(miSelect);
    EXPECT_FALSE(view.MouseDown(MouseButton::Right, {10, 10}));
    view.MouseMove({40, 40});
    view.MouseUp(MouseButton::Right, {40, 40});
    EXPECT_FALSE(view.HasSelection());
}

TEST_F(MouseFixture, AClickWithoutDragLeavesNothingSelected)
{
    view.Select({5, 5, 20, 20});
    view.SetMouseInteract(miSelect);
    Drag({30, 30}, {30, 30});
    EXPECT_FALSE(view.HasSelection());
    EXPECT_EQ(view.SelectedBounds(), SelectionBounds{});
}

TEST_F(MouseFixture, EllipseSelection)
{
    view.SetMouseInteract(miSelectCircle);
    Drag({20, 20}, {60, 40});
    EXPECT_EQ(view.SelectedBounds(), (SelectionBounds{20, 20, 59, 39}));
    EXPECT_NE(view.SelectionMask().At({40, 30}), 0);
    EXPECT_EQ(view.SelectionMask().At({20, 20}), 0);
    EXPECT_NEAR(Count(), 628, 20); // π · 20 · 10
}

TEST_F(MouseFixture, LassoFollowsThePointer)
{
    view.SetMouseInteract(miSelectLasso);
    view.MouseDown(MouseButton::Left, {10, 10});
    view.MouseMove({50, 10});
    view.MouseMove({50, 50});
    EXPECT_EQ(view.SelectedBounds(), (SelectionBounds{10, 10, 50, 50}));
    view.MouseUp(MouseButton::Left, {10, 50});
    EXPECT_EQ(view.SelectedBounds(), (SelectionBounds{10, 10, 49, 49}));
    EXPECT_EQ(Count(), 1600);
}

TEST_F(MouseFixture, PolygonClosesOnTheFirstPoint)
{
    view.SetMouseInteract(miSelectPolygon);
    for (Point p : {Point{10, 10}, Point{40, 10}, Point{40, 30}}) {
        view.MouseDown(MouseButton::Left, p);
        view.MouseUp(MouseButton::Left, p);
    }
    EXPECT_EQ(view.Gesture(), ViewGesture::SelectPolygon);
    view.MouseMove({10, 30}); // the band follows without a button
    EXPECT_EQ(view.SelectedBounds(), (SelectionBounds{10, 10, 40, 30}));
    view.MouseDown(MouseButton::Left, {10, 30});
    view.MouseUp(MouseButton::Left, {10, 30});
    EXPECT_FALSE(view.HasSelection()); // still open
    view.MouseDown(MouseButton::Left, {11, 9}); // near enough to the first corner
    EXPECT_EQ(view.Gesture(), ViewGesture::None);
    EXPECT_EQ(view.SelectedBounds(), (SelectionBounds{10, 10, 39, 29}));
    EXPECT_EQ(Count(), 600);
}

TEST_F(MouseFixture, PolygonClosesOnDoubleClick)
{
    view.SetMouseInteract(miSelectPolygon);
    view.MouseDown(MouseButton::Left, {0, 0});
    view.MouseDown(MouseButton::Left, {20, 0});
    view.DoubleClick(MouseButton::Left, {0, 20});
    EXPECT_EQ(view.Gesture(), ViewGesture::None);
    EXPECT_EQ(Count(), 190); // centres with x + y < 19: 19 + 18 + ... + 1
}

TEST_F(MouseFixture, DeselectDropsMaskAndBand)
{
    view.SetMouseInteract(miSelect);
    Drag({0, 0}, {10, 10});
    view.MouseDown(MouseButton::Left, {20, 20});
    view.MouseMove({30, 30});
    view.Deselect();
    EXPECT_EQ(view.Gesture(), ViewGesture::None);
    EXPECT_EQ(view.SelectedBounds(), SelectionBounds{});
    view.MouseUp(MouseButton::Left, {30, 30}); // the release after a deselect selects nothing
    EXPECT_FALSE(view.HasSelection());
}

TEST_F(MouseFixture, ProgrammaticSelectionFollowsTheSelectionBase)
{
    view.SetZoom(200);
    view.SetSelectionBase(SelectionBase::Bitmap);
    view.Select({10, 10, 20, 20});
    EXPECT_EQ(view.SelectedBounds(), (SelectionBounds{10, 10, 19, 19}));
    view.SetSelectionBase(SelectionBase::ClientArea);
    view.SetViewXY(0, 0);
    view.Select({10, 10, 20, 20});
    EXPECT_EQ(view.SelectedBounds(), (SelectionBounds{5, 5, 9, 9}));
}

TEST_F(MouseFixture, IntensityAppliesToTheExistingSelection)
{
    view.Select({0, 0, 10, 10});
    view.SetSelectionIntensity(300); // low 8 bits: 44
    EXPECT_EQ(view.SelectionIntensity(), 44);
    EXPECT_EQ(view.SelectionMask().At({5, 5}), 44);
    EXPECT_EQ(view.SelectionMask().At({15, 5}), 0);
}

// A 12 × 8 picture: a grey ring (value 100) around a dark island, on white, plus a grey
// blob elsewhere not connected to the ring.
struct WandFixture : ::testing::Test {
    ImageView view;
    void SetUp() override
    {
        Picture p({12, 8}, colors::White);
        for (int y = 1; y <= 5; ++y)
            for (int x = 1; x <= 5; ++x) p.SetPixel({x, y}, Color::FromRgb(100, 100, 100));
        p.SetPixel({3, 3}, Color::FromRgb(10, 10, 10));     // the island
        p.SetPixel({2, 1}, Color::FromRgb(110, 105, 95));   // within tolerance 15
        p.SetPixel({9, 6}, Color::FromRgb(100, 100, 100));  // the separate blob
        p.SetPixel({10, 6}, Color::FromRgb(100, 100, 100));
        view.Layers().Reset(std::move(p));
        view.SetCentered(false);
        view.SetClientSize({12, 8});
        view.SetSelectionMaskDepth(8);
        view.SetMouseInteract(miSelectMagicWand);
    }
    int Count() const
    {
        int n = 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 12; ++x) n += view.SelectionMask().At({x, y}) != 0;
        return n;
    }
};

TEST_F(WandFixture, ModesAndTolerance)
{
    struct Case {
        MagicWandMode mode;
        int tolerance;
        int count;
        bool island;
        bool blob;
    };
    const Case cases[] = {
        {MagicWandMode::Exclusive, 15, 24, false, false},
        {MagicWandMode::Inclusive, 15, 25, true, false},
        {MagicWandMode::Global, 15, 26, false, true},
        {MagicWandMode::Exclusive, 5, 23, false, false}, // the near-grey pixel drops out
    };
    for (const Case& c : cases) {
        view.SetMagicWandMode(c.mode);
        view.SetMagicWandTolerance(c.tolerance);
        EXPECT_TRUE(view.MouseDown(MouseButton::Left, {1, 1}));
        view.MouseUp(MouseButton::Left, {1, 1});
        EXPECT_EQ(Count(), c.count) << static_cast<int>(c.mode) << " tol " << c.tolerance;
        EXPECT_EQ(view.SelectionMask().At({3, 3}) != 0, c.island);
        EXPECT_EQ(view.SelectionMask().At({9, 6}) != 0, c.blob);
        EXPECT_EQ(view.SelectionMask().At({0, 0}), 0);
    }
}

TEST_F(WandFixture, DefaultToleranceAndClickOutside)
{
    EXPECT_EQ(view.MagicWandTolerance(), 15);
    view.Select({0, 0, 2, 2});
    view.MouseDown(MouseButton::Left, {50, 50}); // outside the picture
    EXPECT_FALSE(view.HasSelection());
}

TEST_F(MouseFixture, OneBitMaskStaysBinary)
{
    view.SetSelectionMaskDepth(1);
    view.SetSelectionIntensity(90);
    view.Select({10, 10, 40, 40});
    EXPECT_EQ(view.SelectionMask().At({20, 20}), 255);
    view.FeatherSelection(8);
    for (int x = 0; x < 50; ++x) {
        const int v = view.SelectionMask().At({x, 25});
        EXPECT_TRUE(v == 0 || v == 255) << x;
    }
    EXPECT_EQ(view.SelectionMask().At({11, 11}), 0); // the corners are rounded off
    EXPECT_EQ(view.SelectionMask().At({25, 25}), 255);
    view.SetSelectionMaskDepth(8);
    view.FeatherSelection(8);
    EXPECT_GT(view.SelectionMask().At({10, 25}), 0);
    EXPECT_LT(view.SelectionMask().At({10, 25}), 255);
}
