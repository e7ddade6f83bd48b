#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/LabeledEdit.h"
#include "ui/Label.h"
#include "ui/SpinEdit.h"

#include <gtest/gtest.h>

#include <climits>

using namespace ix::ui;

namespace {

TEST(ComboBox, TextIsAlwaysAnItemOrEmpty)
{
    ComboBox box("ComboBox1");
    box.SetItems({"False", "True", "Solid"});
    struct Case {
        const char* typed;
        int index;
        const char* text;
    };
    const Case cases[] = {
        {"True", 1, "True"}, {"true", -1, ""},  {"Solid", 2, "Solid"}, {" Solid", -1, ""},
        {"", -1, ""},        {"Other", -1, ""}, {"False", 0, "False"},
    };
    for (const Case& c : cases) {
        box.SetText(c.typed);
        EXPECT_EQ(box.ItemIndex(), c.index) << c.typed;
        EXPECT_EQ(box.Text(), c.text) << c.typed;
    }
    box.SetItemIndex(7);
    EXPECT_EQ(box.ItemIndex(), -1);
    box.SetItemIndex(1);
    box.SetItems({"x"});
    EXPECT_EQ(box.Text(), "");
}

TEST(ComboBox, DuplicateItemsSelectTheFirst)
{
    ComboBox box;
    box.SetItems({"a", "b", "a"});
    box.SetText("a");
    EXPECT_EQ(box.ItemIndex(), 0);
}

TEST(SpinEdit, ValueReadingTable)
{
    SpinEdit spin("SpinEdit1");
    spin.SetRange(1, 99);
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"50", 50},      {"1", 1},        {"99", 99},  {"0", 1},           {"100", 99},       {"-5", 1},
        {"+7", 7},       {"abc", 1},      {"", 1},     {"12a", 1},         {" 12", 1},        {"-", 1},
        {"007", 7},      {"2147483647", 99}, {"2147483648", 1}, {"-2147483648", 1}, {"99999999999999999999", 1},
    };
    for (const Case& c : cases) {
        spin.SetText(c.text);
        EXPECT_EQ(spin.Value(), c.value) << '"' << c.text << '"';
    }
}

TEST(SpinEdit, SetValueClampsAndWritesTheNumber)
{
    SpinEdit spin;
    spin.SetRange(-9000, 90000);
    const std::pair<int, const char*> cases[] = {
        {0, "0"}, {-9000, "-9000"}, {-9001, "-9000"}, {90001, "90000"}, {INT_MIN, "-9000"}, {INT_MAX, "90000"}};
    for (auto [v, text] : cases) {
        spin.SetValue(v);
        EXPECT_EQ(spin.Text(), text) << v;
    }
}

TEST(SpinEdit, TypingKeepsMaxLengthAndCommitBringsIntoRange)
{
    SpinEdit spin;
    spin.SetRange(1, 99);
    spin.SetMaxLength(2);
    spin.SetText("12345");
    EXPECT_EQ(spin.Text(), "12");
    spin.SetMaxLength(5);
    spin.SetText("500");
    EXPECT_EQ(spin.Text(), "500"); // typed text stays until the field loses the focus
    spin.Commit();
    EXPECT_EQ(spin.Text(), "99");
    spin.SetText("xyz");
    spin.Commit();
    EXPECT_EQ(spin.Text(), "xyz"); // not an integer: the text stays and reads as the minimum
    EXPECT_EQ(spin.Value(), 1);
}

TEST(SpinEdit, InvertedRangeCountsAsTheMinimum)
{
    SpinEdit spin;
    spin.SetRange(10, 5);
    spin.SetValue(7);
    EXPECT_EQ(spin.Value(), 10);
}

TEST(SpinEdit, ArrowsStepWithinTheRange)
{
    SpinEdit spin;
    spin.SetBounds(0, 0, 101, 22);
    spin.SetRange(1, 3);
    spin.SetValue(2);
    spin.HandleMouseDown({MouseButton::Left, 95, 2});
    EXPECT_EQ(spin.Value(), 3);
    spin.HandleMouseDown({MouseButton::Left, 95, 2});
    EXPECT_EQ(spin.Value(), 3);
    spin.HandleMouseDown({MouseButton::Left, 95, 20});
    spin.HandleMouseDown({MouseButton::Left, 95, 20});
    spin.HandleMouseDown({MouseButton::Left, 95, 20});
    EXPECT_EQ(spin.Value(), 1);
    spin.HandleMouseDown({MouseButton::Left, 10, 20}); // on the text, not the arrows
    EXPECT_EQ(spin.Value(), 1);
}

TEST(LabeledEdit, BoundLabelFollowsTheEditAndDiesWithIt)
{
    Form form("F");
    auto& edit = form.Add<LabeledEdit>("LEdit1");
    ASSERT_NE(edit.EditLabel(), nullptr);
    edit.SetLabelCaption("Caption:");
    edit.SetBounds(5, 20, 325, 23);
    const Label* label = edit.EditLabel();
    EXPECT_EQ(label->Left(), 5);
    EXPECT_EQ(label->Top() + label->Height() + LabeledEdit::kLabelSpacing, 20);
    EXPECT_GT(label->Width(), 0);
    edit.Hide();
    EXPECT_FALSE(label->Visible());
    edit.Show();
    EXPECT_TRUE(label->Visible());
    edit.SetMaxLength(3);
    edit.SetText("abcdef");
    EXPECT_EQ(edit.Text(), "abc");
    const std::size_t before = form.Children().size();
    auto removed = form.Remove(edit);
    removed.reset();
    EXPECT_EQ(form.Children().size(), before - 2);
}

TEST(LabeledEdit, FormTeardownWithEditsIsClean)
{
    auto form = std::make_unique<Form>("F");
    for (int i = 0; i < 3; ++i) form->Add<LabeledEdit>("LEdit" + std::to_string(i)).SetLabelCaption("x");
    EXPECT_NO_THROW(form.reset());
}

} // namespace
