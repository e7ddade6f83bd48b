// The canvas window's rulers, zoom report, main view click and miniatures, driven
// through the window's own mouse input and the view's zoom and scroll.
#include "HostRecorder.h"

#include "canvas/GestureState.h"
#include "canvas/RulerSpacing.h"
#include "canvas/UnitFORM.h"

#include <gtest/gtest.h>

using namespace ix::canvas;
using ix::canvas::test::HostRecorder;
using ix::gfx::Point;

namespace {

class CanvasWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        TheMiniatureDragState() = {};
        TheGestureState() = {};
        form.SetBounds(0, 0, 400, 300);
        form.Panel1().SetAlign(ix::ui::Align::Client);
        form.ImageEnView1().SetAlign(ix::ui::Align::Client);
        form.MainView().Layers().At(0).picture = ix::gfx::Picture({1000, 800}, ix::gfx::colors::White);
        form.MainView().Update();
    }
    void TearDown() override { TheMiniatureDragState() = {}; }

    // A press and release of `button` at a point of the window.
    void Press(ix::ui::MouseButton b, Point p) { form.ClientMouseDown(b, p); }
    void Release(ix::ui::MouseButton b, Point p) { form.ClientMouseUp(b, p); }
    void ShowMiniature(int n)
    {
        form.TMPImageEn(n).Show();
        form.TMPImageEn(n).BringToFront();
    }

    HostRecorder host;
    TPicture form;
};

TEST(RulerSpacing, AboveBelowAndAtFourHundredPercent)
{
    const RulerSpacing fine{1.0, 10.0};
    const RulerSpacing coarse{10.0, 100.0};
    EXPECT_EQ(RulerSpacingAt(800, coarse), fine);
    EXPECT_EQ(RulerSpacingAt(400.5, coarse), fine);
    EXPECT_EQ(RulerSpacingAt(50, fine), coarse);
    EXPECT_EQ(RulerSpacingAt(399.9, fine), coarse);
    EXPECT_EQ(RulerSpacingAt(400, fine), fine);
    EXPECT_EQ(RulerSpacingAt(400, coarse), coarse);
}

TEST_F(CanvasWindow, RulersFollowTheZoom)
{
    form.MainView().SetZoom(800);
    for (ix::ui::Ruler* r : {&form.HorizRuler(), &form.VertRuler()}) {
        EXPECT_EQ(r->TickFrequency(), 1.0);
        EXPECT_EQ(r->LabelFrequency(), 10.0);
        EXPECT_EQ(r->DotsPerUnit(), 8.0);
    }
    form.MainView().SetZoom(400);
    EXPECT_EQ(form.HorizRuler().TickFrequency(), 1.0) << "400 % keeps the spacing it had";
    EXPECT_EQ(form.HorizRuler().DotsPerUnit(), 4.0);
    form.MainView().SetZoom(50);
    for (ix::ui::Ruler* r : {&form.HorizRuler(), &form.VertRuler()}) {
        EXPECT_EQ(r->TickFrequency(), 10.0);
        EXPECT_EQ(r->LabelFrequency(), 100.0);
        EXPECT_EQ(r->DotsPerUnit(), 0.5);
    }
}

TEST_F(CanvasWindow, RulersCountInPicturePixels)
{
    form.MainView().SetZoom(200);
    form.MainView().SetViewXY(300, 100);
    const double z = 2.0;
    EXPECT_DOUBLE_EQ(form.HorizRuler().ViewPosition(), form.MainView().ViewX() / z);
    EXPECT_DOUBLE_EQ(form.VertRuler().ViewPosition(), form.MainView().ViewY() / z);
    EXPECT_GT(form.HorizRuler().ViewPosition(), 0.0);
}

TEST_F(CanvasWindow, ZoomReportGoesToTheNamedVariable)
{
    form.MainView().SetZoom(250);
    EXPECT_TRUE(host.vars.empty()) << "no variable named yet";
    form.SetSetting(State::NumberZoom, "Z");
    form.MainView().SetZoom(100.0 / 3.0);
    EXPECT_EQ(host.Last("Z"), "33.3333333333333");
    form.MainView().SetZoom(300);
    EXPECT_EQ(host.Last("Z"), "300");
    host.Clear();
    form.MainView().SetViewXY(50, 50); // a scroll reports the unchanged zoom again
    ASSERT_FALSE(host.vars.empty());
    EXPECT_EQ(host.Last("Z"), "300");
}

TEST_F(CanvasWindow, RulerClicksRunTheirSubroutines)
{
    form.pnl1().Show();
    form.VertRuler().Show();
    form.HorizRuler().HandleClick();
    form.VertRuler().HandleClick();
    EXPECT_TRUE(host.lines.empty()) << "no subroutines set";
    form.SetSetting(State::SubHorizRuler, "Top");
    form.SetSetting(State::SubVertRuler, "Say \"hi\"");
    form.HorizRuler().HandleClick();
    form.VertRuler().HandleClick();
    EXPECT_EQ(host.lines, (std::vector<std::string>{"GoSub \"Top\"", "GoSub \"Say \"hi\"\""}));
}

TEST_F(CanvasWindow, MainViewClickReportsTheCurrentLayer)
{
    const Point inside{200, 200};
    Press(ix::ui::MouseButton::Left, inside);
    Release(ix::ui::MouseButton::Left, inside);
    EXPECT_TRUE(host.vars.empty()) << "LayersCurrent empty: nothing written";
    form.SetSetting(State::LayersCurrent, "L");
    form.MainView().Layers().Add();
    Press(ix::ui::MouseButton::Left, inside);
    Release(ix::ui::MouseButton::Left, inside);
    EXPECT_EQ(host.Last("L"), "1");
}

TEST_F(CanvasWindow, TransparentToolPicksOnMoveAndAppliesOnClick)
{
    ix::gfx::Picture& picture = form.MainView().Layers().At(0).picture;
    picture.SetPixel({5, 5}, ix::gfx::Color::FromRgb(10, 20, 30));
    picture.SetPixel({900, 700}, ix::gfx::Color::FromRgb(10, 20, 30));
    form.SetSetting(State::Tools, "TRANSPARENT");
    form.SetSetting(State::TransparentNumber, "0");
    form.ClientMouseMove({5, 5});
    form.ClientMouseMove({-30, 5}); // outside the picture: the picked colour stays
    Press(ix::ui::MouseButton::Left, {6, 6});
    Release(ix::ui::MouseButton::Left, {6, 6});
    EXPECT_EQ(picture.GetAlpha({5, 5}), 0);
    EXPECT_EQ(picture.GetAlpha({900, 700}), 0) << "every pixel of that colour";
    EXPECT_EQ(picture.GetAlpha({6, 6}), 255);
}

TEST_F(CanvasWindow, RightOrMiddleClickOnAMiniatureRunsItsSubroutine)
{
    ShowMiniature(3);
    form.SetSetting(State::SubMiniature3, "Show");
    const Point on{60, 60};
    Press(ix::ui::MouseButton::Right, on);
    Release(ix::ui::MouseButton::Right, on);
    Press(ix::ui::MouseButton::Middle, on);
    Release(ix::ui::MouseButton::Middle, on);
    Press(ix::ui::MouseButton::Left, on);
    Release(ix::ui::MouseButton::Left, on);
    EXPECT_EQ(host.lines, (std::vector<std::string>{"GoSub \"Show\"", "GoSub \"Show\""}));
}

TEST_F(CanvasWindow, MiniatureDragsByTheMouseMovement)
{
    ShowMiniature(2);
    ix::ui::ImageViewHost& mini = form.TMPImageEn(2);
    const Point start = mini.Bounds().TopLeft();
    // Below the miniature's label, which takes the presses on itself.
    Press(ix::ui::MouseButton::Left, {start.x + 30, start.y + 40});
    EXPECT_TRUE(TheMiniatureDragState().dragging);
    form.ClientMouseMove({start.x + 35, start.y + 42});
    EXPECT_EQ(mini.Bounds().TopLeft(), (Point{start.x + 5, start.y + 2}));
    form.ClientMouseMove({start.x - 180, start.y - 70}); // no bounds apply
    EXPECT_EQ(mini.Bounds().TopLeft(), (Point{start.x - 210, start.y - 110}));
    Release(ix::ui::MouseButton::Left, {start.x - 180, start.y - 70});
    EXPECT_FALSE(TheMiniatureDragState().dragging);
    form.ClientMouseMove({start.x, start.y});
    EXPECT_EQ(mini.Bounds().TopLeft(), (Point{start.x - 210, start.y - 110})) << "moves after the release do nothing";
}

TEST_F(CanvasWindow, AnotherButtonDuringADragEndsItAndRunsTheSubroutine)
{
    ShowMiniature(1);
    form.SetSetting(State::SubMiniature1, "One");
    const Point at = form.TMPImageEn(1).Bounds().TopLeft() + Point{20, 20};
    Press(ix::ui::MouseButton::Left, at);
    Press(ix::ui::MouseButton::Right, at);
    EXPECT_FALSE(TheMiniatureDragState().dragging);
    EXPECT_EQ(host.lines, std::vector<std::string>{"GoSub \"One\""});
}

TEST_F(CanvasWindow, PressingAMiniatureBringsItToTheFront)
{
    ShowMiniature(4);
    ShowMiniature(5); // now above 4, at the same place
    form.TMPImageEn(4).Show();
    const int before = form.TMPImageEn(4).ZIndex();
    EXPECT_LT(before, form.TMPImageEn(5).ZIndex());
    form.MiniatureMouseDown(4, ix::ui::MouseButton::Left, 1, 1);
    EXPECT_GT(form.TMPImageEn(4).ZIndex(), form.TMPImageEn(5).ZIndex());
}

} // namespace
