#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/ControlAccess.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/LabeledEdit.h"
#include "ui/LinkLabel.h"
#include "ui/MessageBox.h"
#include "ui/Ruler.h"
#include "ui/SpinEdit.h"
#include "ui/headless/HeadlessPlatform.h"
#include "ui/text/TextLayout.h"

#include <gtest/gtest.h>

#include <climits>

using namespace ix::ui;

namespace {

struct AccessTest : ::testing::Test {
    Form form{"FormOne", "TFormOne"};
    AccessTest()
    {
        headless::TheHeadlessPlatform().Reset();
        form.Add<LabeledEdit>("LEdit1").SetLabelCaption("Field:");
        form.Add<ComboBox>("ComboBox1").SetItems({"a", "b"});
        auto& spin = form.Add<SpinEdit>("SpinEdit1");
        spin.SetRange(0, 255);
        spin.SetMaxLength(3);
        form.Add<Ruler>("HorizRuler");
        auto& ok = form.Add<Button>("btnOK");
        ok.SetModalResultValue(ModalResult::Ok);
    }
    std::string Read(const char* name, const char* prop)
    {
        Control* c = form.Find(name);
        if (!c) return "<no control>";
        return ReadProperty(*c, prop).value_or("<none>");
    }
    bool Write(const char* name, const char* prop, const std::string& v) { return WriteProperty(*form.Find(name), prop, v); }
};

TEST_F(AccessTest, ReadTable)
{
    struct Case {
        const char* control;
        const char* prop;
        const char* expected;
    };
    const Case cases[] = {
        {"FormOne", "class", "TFormOne"},   {"FormOne", "type", "Form"},        {"LEdit1", "label", "Field:"},
        {"LEdit1", "type", "LabeledEdit"},  {"ComboBox1", "items", "a\nb"},     {"ComboBox1", "itemindex", "-1"},
        {"ComboBox1", "count", "2"},        {"SpinEdit1", "max", "255"},        {"SpinEdit1", "maxlength", "3"},
        {"HorizRuler", "tickfrequency", "10"}, {"HorizRuler", "vertical", "0"}, {"btnOK", "modalresult", "1"},
        {"btnOK", "visible", "1"},          {"LEdit1", "value", "<none>"},      {"ComboBox1", "bogus", "<none>"},
    };
    for (const Case& c : cases) EXPECT_EQ(Read(c.control, c.prop), c.expected) << c.control << "." << c.prop;
}

TEST_F(AccessTest, WriteTable)
{
    EXPECT_TRUE(Write("SpinEdit1", "text", "9999")); // typed: cut to 3 characters, then brought into range
    EXPECT_EQ(Read("SpinEdit1", "text"), "255");
    EXPECT_TRUE(Write("SpinEdit1", "value", "-4"));
    EXPECT_EQ(Read("SpinEdit1", "text"), "0");
    EXPECT_FALSE(Write("SpinEdit1", "value", "x"));
    EXPECT_TRUE(Write("ComboBox1", "itemindex", "1"));
    EXPECT_EQ(Read("ComboBox1", "text"), "b");
    EXPECT_FALSE(Write("LEdit1", "itemindex", "1"));
    EXPECT_TRUE(Write("LEdit1", "visible", "0"));
    EXPECT_EQ(Read("LEdit1EditLabel", "visible"), "0");
    EXPECT_FALSE(Write("LEdit1", "visible", "maybe"));
    EXPECT_TRUE(Write("LEdit1", "width", "2147483647"));
    EXPECT_TRUE(Write("LEdit1", "left", "2147483647"));
    EXPECT_LE(std::stoll(Read("LEdit1", "width")), Control::kMaxCoordinate);
    EXPECT_LE(std::stoll(Read("LEdit1", "left")), Control::kMaxCoordinate);
    EXPECT_FALSE(Write("LEdit1", "nonsense", "1"));
}

TEST_F(AccessTest, PressNeedsAVisibleEnabledControl)
{
    form.Show();
    Control& ok = *form.Find("btnOK");
    ok.SetEnabled(false);
    EXPECT_FALSE(Press(ok));
    EXPECT_EQ(form.Result(), ModalResult::None);
    ok.SetEnabled(true);
    EXPECT_TRUE(Press(ok));
    EXPECT_EQ(form.Result(), ModalResult::Ok);
    form.Hide();
}

TEST(Geometry, AbsurdBoundsAreKeptWithinReach)
{
    Form form("F");
    Label& l = form.Add<Label>("l");
    l.SetBounds(INT_MAX, INT_MIN, INT_MAX, -5);
    EXPECT_EQ(l.Left(), Control::kMaxCoordinate);
    EXPECT_EQ(l.Top(), -Control::kMaxCoordinate);
    EXPECT_EQ(l.Width(), Control::kMaxCoordinate);
    EXPECT_EQ(l.Height(), 0);
}

TEST(LongText, HugeUnbrokenCaptionsWrapInLinearTime)
{
    // A hostile description: 200 000 characters without a blank, word-wrapped.
    TextRenderer& t = ThePlatform().Text();
    const std::string s(200000, 'W');
    const auto lines = BreakLines(t, Font{}, s, 100);
    ASSERT_GT(lines.size(), 1000u);
    std::size_t total = 0;
    for (const auto& l : lines) total += l.size();
    EXPECT_EQ(total, s.size());
}

TEST(LinkLabel, ClickOpensItsAddressUnlessHandled)
{
    headless::TheHeadlessPlatform().Reset();
    LinkLabel link("lnk");
    link.SetUrl("https://example.org/ixcanvas");
    link.HandleClick();
    ASSERT_EQ(headless::TheHeadlessPlatform().OpenedUrls().size(), 1u);
    EXPECT_EQ(headless::TheHeadlessPlatform().OpenedUrls()[0], "https://example.org/ixcanvas");
    int handled = 0;
    link.onClick = [&](Control&) { ++handled; };
    link.HandleClick();
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(headless::TheHeadlessPlatform().OpenedUrls().size(), 1u);
}

TEST(FormPlacement, CentredFormsAreCentredOnTheScreenWhenShownModally)
{
    Form form("F");
    form.SetClientSize({524, 336});
    form.SetPlacement(FormPosition::ScreenCenter);
    form.ShowModal();
    EXPECT_EQ(form.Left(), (1024 - 524) / 2);
    EXPECT_EQ(form.Top(), (768 - 336) / 2);
}

TEST(ShowMessage, ReturnsAtOnceWithoutADriver)
{
    headless::TheHeadlessPlatform().Reset();
    EXPECT_EQ(ShowMessage("Please do select an area to crop with your mouse first!"), MessageBoxAnswer::Ok);
    ASSERT_EQ(headless::TheHeadlessPlatform().MessageLog().size(), 1u);
    EXPECT_EQ(headless::TheHeadlessPlatform().MessageLog()[0].kind, MessageBoxKind::Information);
}

} // namespace
