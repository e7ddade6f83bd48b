#include "ui/Form.h"
#include "ui/Panel.h"

#include <gtest/gtest.h>

using namespace ix::ui;
using ix::gfx::Rect;

namespace {

struct LayoutTest : ::testing::Test {
    Form form{"F"};
    LayoutTest() { form.SetClientSize({400, 300}); }
    Panel& Strip(const char* name, Align a, int w, int h)
    {
        Panel& p = form.Add<Panel>(name);
        p.SetSize({w, h});
        p.SetAlign(a);
        return p;
    }
};

TEST_F(LayoutTest, StripsTakeTheirSpaceAndClientGetsTheRest)
{
    Panel& top = Strip("top", Align::Top, 10, 43);
    Panel& left = Strip("left", Align::Left, 49, 10);
    Panel& client = Strip("client", Align::Client, 1, 1);
    EXPECT_EQ(top.Bounds(), (Rect{0, 0, 400, 43}));
    EXPECT_EQ(left.Bounds(), (Rect{0, 43, 49, 300}));
    EXPECT_EQ(client.Bounds(), (Rect{49, 43, 400, 300}));
}

TEST_F(LayoutTest, TopStripsSpanTheWidthWhateverTheirCreationOrder)
{
    Panel& left = Strip("left", Align::Left, 49, 10);
    Panel& top1 = Strip("top1", Align::Top, 10, 20);
    Panel& top2 = Strip("top2", Align::Top, 10, 30);
    Panel& bottom = Strip("bottom", Align::Bottom, 10, 25);
    Panel& right = Strip("right", Align::Right, 60, 10);
    EXPECT_EQ(top1.Bounds(), (Rect{0, 0, 400, 20}));
    EXPECT_EQ(top2.Bounds(), (Rect{0, 20, 400, 50}));
    EXPECT_EQ(bottom.Bounds(), (Rect{0, 275, 400, 300}));
    EXPECT_EQ(left.Bounds(), (Rect{0, 50, 49, 275}));
    EXPECT_EQ(right.Bounds(), (Rect{340, 50, 400, 275}));
}

TEST_F(LayoutTest, HiddenStripGivesItsSpaceBackAndTakesItAgainWhenShown)
{
    Panel& top = Strip("top", Align::Top, 10, 43);
    Panel& left = Strip("left", Align::Left, 49, 10);
    Panel& client = Strip("client", Align::Client, 1, 1);
    top.Hide();
    EXPECT_EQ(left.Bounds(), (Rect{0, 0, 49, 300}));
    EXPECT_EQ(client.Bounds(), (Rect{49, 0, 400, 300}));
    left.Hide();
    EXPECT_EQ(client.Bounds(), (Rect{0, 0, 400, 300}));
    top.Show();
    left.Show();
    EXPECT_EQ(client.Bounds(), (Rect{49, 43, 400, 300}));
}

TEST_F(LayoutTest, ResizingTheParentOrAStripRelaysOut)
{
    Panel& top = Strip("top", Align::Top, 10, 43);
    Panel& client = Strip("client", Align::Client, 1, 1);
    form.SetClientSize({200, 100});
    EXPECT_EQ(top.Bounds(), (Rect{0, 0, 200, 43}));
    EXPECT_EQ(client.Bounds(), (Rect{0, 43, 200, 100}));
    top.SetHeight(60);
    EXPECT_EQ(client.Bounds(), (Rect{0, 60, 200, 100}));
}

TEST_F(LayoutTest, CustomAndNoneAreLeftWhereCodePutsThem)
{
    Strip("top", Align::Top, 10, 43);
    Panel& custom = Strip("custom", Align::Custom, 10, 10);
    custom.SetBounds(5, 6, 70, 80);
    Panel& none = form.Add<Panel>("none");
    none.SetBounds(-20, -30, 50, 50);
    form.SetClientSize({500, 500});
    EXPECT_EQ(custom.Bounds(), (Rect{5, 6, 75, 86}));
    EXPECT_EQ(none.Bounds(), (Rect{-20, -30, 30, 20}));
}

TEST_F(LayoutTest, StripsLargerThanTheParentNeverGiveNegativeSizes)
{
    Panel& top = Strip("top", Align::Top, 10, 500);
    Panel& left = Strip("left", Align::Left, 900, 10);
    Panel& client = Strip("client", Align::Client, 1, 1);
    EXPECT_EQ(top.Bounds(), (Rect{0, 0, 400, 500}));
    EXPECT_GE(left.Width(), 0);
    EXPECT_GE(left.Height(), 0);
    EXPECT_TRUE(client.Bounds().IsEmpty());
    EXPECT_GE(client.Width(), 0);
    EXPECT_GE(client.Height(), 0);
}

TEST_F(LayoutTest, NestedClientFollowsItsAlignedParent)
{
    Panel& outer = Strip("outer", Align::Client, 1, 1);
    Panel& inner = outer.Add<Panel>("inner");
    inner.SetAlign(Align::Client);
    EXPECT_EQ(inner.Bounds(), (Rect{0, 0, 400, 300}));
    form.SetClientSize({100, 50});
    EXPECT_EQ(inner.Bounds(), (Rect{0, 0, 100, 50}));
}

TEST(ControlTree, FindByNameAndZOrder)
{
    Form form("F");
    Panel& a = form.Add<Panel>("a");
    Panel& b = form.Add<Panel>("b");
    Panel& c = a.Add<Panel>("c");
    EXPECT_EQ(form.Find("c"), &c);
    EXPECT_EQ(form.Find("F"), &form);
    EXPECT_EQ(form.Find("missing"), nullptr);
    EXPECT_EQ(a.ZIndex(), 0);
    EXPECT_EQ(b.ZIndex(), 1);
    a.BringToFront();
    EXPECT_EQ(a.ZIndex(), 1);
    EXPECT_EQ(b.ZIndex(), 0);
    a.SendToBack();
    EXPECT_EQ(a.ZIndex(), 0);
    auto removed = form.Remove(a);
    ASSERT_TRUE(removed);
    EXPECT_EQ(removed->Parent(), nullptr);
    EXPECT_EQ(form.Find("c"), nullptr);
    EXPECT_EQ(form.Remove(c), nullptr); // not a child of form
}

} // namespace
