#include "gfx/Picture.h"
#include "ui/Form.h"
#include "ui/GradientBox.h"
#include "ui/GradientLabel.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/Platform.h"
#include "ui/Render.h"
#include "ui/Shape.h"

#include <gtest/gtest.h>

using namespace ix::ui;
using ix::gfx::Color;
using ix::gfx::Rect;
using ix::gfx::Surface;
using ix::gfx::ToArgb;

namespace {

constexpr Color kBack = Color::FromRgb(10, 20, 30);
constexpr Color kPanel = Color::FromRgb(200, 100, 50);

// Counts pixels inside `r` that differ from `background`.
int Inked(const Surface& s, const Rect& r, Color background)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += s.At({x, y}) != ToArgb(background);
    return n;
}

struct RenderTest : ::testing::Test {
    Form form{"F"};
    RenderTest()
    {
        form.SetClientSize({60, 40});
        form.SetColor(kBack);
    }
    Surface Render() { return RenderToSurface(form, ThePlatform().Text()); }
};

TEST_F(RenderTest, FormAndPanelFillsAreExact)
{
    Panel& p = form.Add<Panel>("p");
    p.SetBevelOuter(Bevel::None);
    p.SetColor(kPanel);
    p.SetBounds(10, 5, 20, 15);
    const Surface s = Render();
    ASSERT_EQ(s.GetSize(), (ix::gfx::Size{60, 40}));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool inside = x >= 10 && x < 30 && y >= 5 && y < 20;
            ASSERT_EQ(s.At({x, y}), ToArgb(inside ? kPanel : kBack)) << x << "," << y;
        }
}

TEST_F(RenderTest, ChildrenAreClippedToTheirParentAndHiddenOnesSkipped)
{
    Panel& outer = form.Add<Panel>("outer");
    outer.SetBevelOuter(Bevel::None);
    outer.SetColor(kPanel);
    outer.SetBounds(10, 10, 10, 10);
    Panel& inner = outer.Add<Panel>("inner");
    inner.SetBevelOuter(Bevel::None);
    inner.SetColor(ix::gfx::colors::White);
    inner.SetBounds(5, 5, 100, 100); // reaches far beyond outer
    Panel& hidden = form.Add<Panel>("hidden");
    hidden.SetBevelOuter(Bevel::None);
    hidden.SetColor(ix::gfx::colors::Red);
    hidden.SetBounds(40, 0, 20, 40);
    hidden.Hide();
    const Surface s = Render();
    EXPECT_EQ(s.At({15, 15}), ToArgb(ix::gfx::colors::White));
    EXPECT_EQ(s.At({19, 19}), ToArgb(ix::gfx::colors::White));
    EXPECT_EQ(s.At({20, 20}), ToArgb(kBack));
    EXPECT_EQ(s.At({12, 12}), ToArgb(kPanel));
    EXPECT_EQ(Inked(s, {40, 0, 60, 40}, kBack), 0);
}

TEST_F(RenderTest, RaisedBevelEdges)
{
    Panel& p = form.Add<Panel>("p");
    p.SetColor(kPanel);
    p.SetBounds(0, 0, 10, 10);
    const Surface s = Render();
    EXPECT_EQ(s.At({0, 0}), ToArgb(ix::gfx::colors::White));
    EXPECT_EQ(s.At({5, 0}), ToArgb(ix::gfx::colors::White));
    EXPECT_EQ(s.At({9, 5}), ToArgb(Color::FromRgb(160, 160, 160)));
    EXPECT_EQ(s.At({5, 9}), ToArgb(Color::FromRgb(160, 160, 160)));
    EXPECT_EQ(s.At({5, 5}), ToArgb(kPanel));
}

TEST_F(RenderTest, ShapeBorderIsExactAndClearBrushKeepsTheInside)
{
    Shape& sh = form.Add<Shape>("frame");
    sh.SetBounds(2, 2, 10, 8);
    sh.SetPenWidth(2);
    sh.SetPenColor(ix::gfx::colors::Black);
    sh.SetBrushClear(true);
    const Surface s = Render();
    for (int y = 2; y < 10; ++y)
        for (int x = 2; x < 12; ++x) {
            const bool border = x < 4 || x >= 10 || y < 4 || y >= 8;
            ASSERT_EQ(s.At({x, y}), ToArgb(border ? ix::gfx::colors::Black : kBack)) << x << "," << y;
        }
}

TEST_F(RenderTest, EllipseStaysInsideItsBoundsAndIsSymmetric)
{
    Shape& sh = form.Add<Shape>("e");
    sh.SetKind(ShapeKind::Ellipse);
    sh.SetBounds(10, 10, 21, 15);
    sh.SetColor(kPanel);
    const Surface s = Render();
    EXPECT_EQ(s.At({20, 17}), ToArgb(kPanel)); // centre filled
    EXPECT_EQ(s.At({10, 10}), ToArgb(kBack));  // corner untouched
    EXPECT_EQ(Inked(s, {0, 0, 60, 10}, kBack), 0);
    EXPECT_EQ(Inked(s, {31, 0, 60, 40}, kBack), 0);
    for (int y = 10; y < 25; ++y)
        for (int x = 10; x < 31; ++x) ASSERT_EQ(s.At({x, y}), s.At({40 - x, y})) << x << "," << y;
}

TEST_F(RenderTest, GradientBoxRunsFromStartToEnd)
{
    GradientBox& g = form.Add<GradientBox>("Gradient1");
    g.SetBounds(0, 0, 11, 3);
    EXPECT_EQ(g.BeginColor(), ix::gfx::colors::Yellow); // the canvas's Gradient1 colours
    EXPECT_EQ(g.EndColor(), ix::gfx::colors::Fuchsia);
    g.SetBeginColor(Color::FromRgb(0, 0, 0));
    g.SetEndColor(Color::FromRgb(250, 100, 0));
    g.SetStyle(ix::gfx::GradientStyle::LinearH);
    Surface s = Render();
    EXPECT_EQ(s.At({0, 1}), ToArgb(Color::FromRgb(0, 0, 0)));
    EXPECT_EQ(s.At({5, 1}), ToArgb(Color::FromRgb(125, 50, 0)));
    EXPECT_EQ(s.At({10, 1}), ToArgb(Color::FromRgb(250, 100, 0)));
    EXPECT_EQ(s.At({11, 1}), ToArgb(kBack));
    g.SetStyle(ix::gfx::GradientStyle::LinearV);
    g.SetHeight(11);
    s = Render();
    EXPECT_EQ(s.At({3, 0}), ToArgb(Color::FromRgb(0, 0, 0)));
    EXPECT_EQ(s.At({3, 10}), ToArgb(Color::FromRgb(250, 100, 0)));
    EXPECT_EQ(g.Gradient().Image().GetSize(), (ix::gfx::Size{11, 11}));
}

TEST_F(RenderTest, GradientLabelHasRoundedCornersAndItsBorder)
{
    GradientLabel& g = form.Add<GradientLabel>("GradientLabel");
    g.SetBounds(3, 0, 40, 25);
    g.SetBorderColor(Color::FromRgb(1, 2, 3));
    const Surface s = Render();
    EXPECT_EQ(s.At({3, 0}), ToArgb(kBack));               // rounded away
    EXPECT_EQ(s.At({23, 0}), ToArgb(Color::FromRgb(1, 2, 3))); // top edge
    EXPECT_EQ(s.At({3, 12}), ToArgb(Color::FromRgb(1, 2, 3))); // left edge
    const Color nearStart = ix::gfx::FromArgb(s.At({4, 12}));
    EXPECT_NEAR(nearStart.R(), g.StartColor().R(), 5);
    EXPECT_NEAR(nearStart.B(), g.StartColor().B(), 5);
}

TEST_F(RenderTest, ImageDrawsItsPictureWithAlpha)
{
    Image& img = form.Add<Image>("img");
    img.SetBounds(0, 0, 4, 4);
    ix::gfx::Picture pic({2, 1}, Color::FromRgb(255, 0, 0));
    pic.SetAlpha({1, 0}, 0);
    img.SetPicture(pic);
    const Surface s = Render();
    EXPECT_EQ(s.At({0, 0}), ToArgb(Color::FromRgb(255, 0, 0)));
    EXPECT_EQ(s.At({1, 0}), ToArgb(kBack));
    EXPECT_EQ(s.At({0, 1}), ToArgb(kBack));
}

TEST_F(RenderTest, LabelTextIsDrawnInsideTheLabelOnly)
{
    form.SetClientSize({200, 60});
    form.SetColor(ix::gfx::colors::White);
    Label& l = form.Add<Label>("LabelCommand");
    Font f;
    f.name = "Arial";
    f.height = 15;
    f.color = ix::gfx::colors::Black;
    l.SetFont(f);
    l.SetTransparent(true);
    l.SetCaption("\xCF\xF0\xE8\xE2\xE5\xF2 Hello"); // "Привет" in Windows-1251
    l.SetPosition({20, 10});
    ASSERT_GT(l.Width(), 40);
    ASSERT_GE(l.Height(), 15);
    const Surface s = Render();
    const Rect r = l.Bounds();
    EXPECT_GT(Inked(s, r, ix::gfx::colors::White), 30);
    EXPECT_EQ(Inked(s, {0, 0, 200, r.top}, ix::gfx::colors::White), 0);
    EXPECT_EQ(Inked(s, {0, 0, r.left, 60}, ix::gfx::colors::White), 0);
    EXPECT_EQ(Inked(s, {r.right, 0, 200, 60}, ix::gfx::colors::White), 0);
    // Both halves carry ink: the Cyrillic word and the Latin one.
    EXPECT_GT(Inked(s, {r.left, r.top, r.left + r.Width() / 2, r.bottom}, ix::gfx::colors::White), 10);
    EXPECT_GT(Inked(s, {r.left + r.Width() / 2, r.top, r.right, r.bottom}, ix::gfx::colors::White), 10);
}

TEST_F(RenderTest, WordWrappedFixedLabelBreaksLinesAndClips)
{
    form.SetClientSize({200, 100});
    form.SetColor(ix::gfx::colors::White);
    Label& l = form.Add<Label>("LabelInfo");
    l.SetAutoSize(false);
    l.SetWordWrap(true);
    l.SetTransparent(true);
    l.SetBounds(10, 10, 60, 30);
    l.SetCaption("one two three four five six seven eight nine ten");
    const Surface s = Render();
    EXPECT_EQ(l.Bounds(), (Rect{10, 10, 70, 40})); // fixed size kept
    EXPECT_GT(Inked(s, {10, 10, 70, 22}, ix::gfx::colors::White), 5);
    EXPECT_GT(Inked(s, {10, 26, 70, 40}, ix::gfx::colors::White), 5); // a second line
    EXPECT_EQ(Inked(s, {0, 40, 200, 100}, ix::gfx::colors::White), 0);
    EXPECT_EQ(Inked(s, {70, 0, 200, 100}, ix::gfx::colors::White), 0);
}

TEST_F(RenderTest, OpaqueLabelFillsItsBounds)
{
    Label& l = form.Add<Label>("l");
    l.SetAutoSize(false);
    l.SetColor(kPanel);
    l.SetBounds(1, 1, 5, 5);
    const Surface s = Render();
    EXPECT_EQ(s.At({3, 3}), ToArgb(kPanel));
}

} // namespace
