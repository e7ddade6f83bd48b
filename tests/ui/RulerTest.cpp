#include "ui/Form.h"
#include "ui/Platform.h"
#include "ui/Render.h"
#include "ui/Ruler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace ix::ui;
using ix::gfx::Color;
using ix::gfx::Surface;
using ix::gfx::ToArgb;

namespace {

struct RulerTest : ::testing::Test {
    Form form{"F"};
    Ruler* ruler = nullptr;
    RulerTest()
    {
        form.SetClientSize({300, 60});
        ruler = &form.Add<Ruler>("HorizRuler");
        ruler->SetBounds(0, 0, 300, 40);
        Font f = ruler->Font();
        f.color = Color::FromRgb(255, 255, 255);
        f.height = 15;
        ruler->SetFont(f);
    }
    Surface Render() { return RenderToSurface(form, ThePlatform().Text()); }
    // The columns of the bottom row that carry tick ink.
    std::vector<int> TickColumns(const Surface& s, int row)
    {
        std::vector<int> out;
        for (int x = 0; x < 300; ++x)
            if (s.At({x, row}) == ToArgb(Color::FromRgb(255, 255, 255))) out.push_back(x);
        return out;
    }
};

TEST_F(RulerTest, DefaultsAreTheCanvasRulerSettings)
{
    EXPECT_EQ(ruler->Color(), ix::gfx::colors::Gray);
    EXPECT_EQ(ruler->DotsPerUnit(), 1.0);
    EXPECT_EQ(ruler->TickFrequency(), 10.0);
    EXPECT_EQ(ruler->LabelFrequency(), 100.0);
    EXPECT_EQ(ruler->GripBase(), 1);
    EXPECT_EQ(ruler->MaxGripHeight(), 15);
    EXPECT_EQ(ruler->Direction(), Orientation::Horizontal);
}

TEST_F(RulerTest, TicksFollowScaleAndViewPosition)
{
    struct Case {
        double dpu, view, tick;
        std::vector<int> first; // first tick columns on the bottom row
    };
    const Case cases[] = {
        {1.0, 0.0, 10.0, {0, 10, 20, 30}},
        {2.0, 0.0, 10.0, {0, 20, 40, 60}},
        {1.0, 5.0, 10.0, {5, 15, 25, 35}},
        {8.0, 0.0, 1.0, {0, 8, 16, 24}},
        {0.5, 30.0, 10.0, {0, 5, 10, 15}}, // units 30, 40, 50, ... 5 px apart
    };
    for (const Case& c : cases) {
        ruler->SetDotsPerUnit(c.dpu);
        ruler->SetViewPosition(c.view);
        ruler->SetTickFrequency(c.tick);
        const auto cols = TickColumns(Render(), 39);
        ASSERT_GE(cols.size(), c.first.size()) << c.dpu << " " << c.view;
        for (std::size_t i = 0; i < c.first.size(); ++i) EXPECT_EQ(cols[i], c.first[i]) << c.dpu << " " << c.view;
    }
}

TEST_F(RulerTest, LabelTicksAreLongerAndCarryNumbers)
{
    const Surface s = Render();
    const int row = 40 - 40 / 2; // top of a label tick, below a minor tick's reach
    const auto longTicks = TickColumns(s, row);
    EXPECT_EQ(longTicks, (std::vector<int>{0, 100, 200}));
    int labelInk = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 102; x < 125; ++x) labelInk += s.At({x, y}) != ToArgb(ix::gfx::colors::Gray);
    EXPECT_GT(labelInk, 10); // "100"
    EXPECT_EQ(Ruler::LabelText(100), "100");
    EXPECT_EQ(Ruler::LabelText(-20), "-20");
    EXPECT_EQ(Ruler::LabelText(2.5), "2.5");
}

TEST_F(RulerTest, InvertedTicksGrowFromTheOtherEdge)
{
    ruler->SetInverted(true);
    const Surface s = Render();
    EXPECT_EQ(s.At({10, 0}), ToArgb(Color::FromRgb(255, 255, 255)));
    EXPECT_EQ(s.At({10, 39}), ToArgb(ix::gfx::colors::Gray));
}

TEST_F(RulerTest, VerticalRulerTicksRunDown)
{
    ruler->SetDirection(Orientation::Vertical);
    ruler->SetBounds(0, 0, 49, 60);
    const Surface s = Render();
    for (int y : {0, 10, 20, 30}) EXPECT_EQ(s.At({48, y}), ToArgb(Color::FromRgb(255, 255, 255))) << y;
    EXPECT_EQ(s.At({48, 5}), ToArgb(ix::gfx::colors::Gray));
}

TEST_F(RulerTest, AbsurdSettingsDrawOnlyTheBackground)
{
    const double bad[] = {0.0, -1.0, std::numeric_limits<double>::infinity(), std::nan(""), 1e-12};
    for (double v : bad) {
        ruler->SetDotsPerUnit(1.0);
        ruler->SetTickFrequency(v);
        ruler->SetLabelFrequency(v);
        Surface s = Render();
        EXPECT_TRUE(TickColumns(s, 39).empty()) << v;
        ruler->SetTickFrequency(10);
        ruler->SetDotsPerUnit(v);
        s = Render();
        EXPECT_TRUE(TickColumns(s, 39).empty()) << v;
    }
    ruler->SetDotsPerUnit(1.0);
    ruler->SetViewPosition(1e300);
    EXPECT_NO_THROW(Render());
}

TEST_F(RulerTest, GripsAreTrianglesAtTheirUnits)
{
    ruler->SetTickFrequency(0);
    ruler->SetLabelFrequency(0);
    ruler->SetGripBase(3);
    ruler->SetMaxGripHeight(10);
    ruler->SetGrips({50});
    const Surface s = Render();
    const auto white = ToArgb(Color::FromRgb(255, 255, 255));
    EXPECT_EQ(s.At({50, 39}), white); // the point
    EXPECT_EQ(s.At({51, 39}), ToArgb(ix::gfx::colors::Gray));
    EXPECT_EQ(s.At({47, 30}), white); // the base, 10 rows up
    EXPECT_EQ(s.At({53, 30}), white);
    EXPECT_EQ(s.At({50, 29}), ToArgb(ix::gfx::colors::Gray));
}

TEST_F(RulerTest, ClickRaisesTheClickEvent)
{
    int clicks = 0;
    ruler->onClick = [&](Control&) { ++clicks; };
    form.Router().Down(MouseButton::Left, {120, 10});
    form.Router().Up(MouseButton::Left, {121, 11});
    EXPECT_EQ(clicks, 1);
}

} // namespace
