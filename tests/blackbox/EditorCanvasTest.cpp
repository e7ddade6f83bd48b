// The design-time editors of the canvas actions through qlEditAction, the dialog answered
// by a modal driver as an author would.
#include "blackbox/ScriptHost.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using ixtest::ScriptHost;

std::string Get(ixh_form form, const char* control, const char* property)
{
    char buffer[512] = {};
    if (ixh_form_get(form, control, property, buffer, sizeof buffer) < 0) return "<none>";
    return buffer;
}

char* NewHostString(const std::string& text)
{
    char* block = static_cast<char*>(std::malloc(text.size() + 1));
    std::memcpy(block, text.c_str(), text.size() + 1);
    return block;
}

// The host's parameter array of one edit.
struct Params {
    explicit Params(const std::vector<std::string>& texts)
    {
        for (const std::string& t : texts) strings.push_back(NewHostString(t));
    }
    ~Params()
    {
        for (char* s : strings) std::free(s);
    }
    std::string operator[](std::size_t i) const { return strings[i] ? strings[i] : "<null>"; }
    std::vector<char*> strings;
};

using Driver = std::function<int(ixh_form)>;

int RunDriver(void* context, ixh_form form) { return (*static_cast<Driver*>(context))(form); }

// What the fake host answers to the pickers.
struct Picks {
    int answer = 1;
    std::string text;
    std::vector<std::pair<int, std::string>> asked;
};
Picks* gPicks = nullptr;

IxBool IX_HOSTCALL PickAccess(int32_t code, char** text)
{
    gPicks->asked.emplace_back(code, *text ? *text : "");
    if (gPicks->answer == 0) return 0;
    std::free(*text);
    *text = NewHostString(gPicks->text);
    return 1;
}

class Editors : public ::testing::Test {
protected:
    void SetUp() override { gPicks = &picks; }
    void TearDown() override
    {
        ixh_set_modal_driver(nullptr, nullptr);
        gPicks = nullptr;
    }
    // Edits action `id` with `params`; `driver` answers the dialog.
    bool EditWith(std::int32_t id, Params& params, Driver drive)
    {
        driver = std::move(drive);
        ixh_set_modal_driver(&RunDriver, &driver);
        return qlEditAction(id, params.strings.data()) != 0;
    }
    void UsePickHost() { qlRegisterInterfaceAccess(&PickAccess); }

    ScriptHost host;
    Driver driver;
    Picks picks;
};

TEST_F(Editors, OkWritesEveryFieldBackAndCancelTouchesNothing)
{
    Params params({"Rect1", "True"});
    char* const before0 = params.strings[0];
    char* const before1 = params.strings[1];
    std::string seenCaption, seenCommand, seenItems;
    EXPECT_FALSE(EditWith(4, params, [&](ixh_form f) {
        seenCaption = Get(f, "", "caption");
        seenCommand = Get(f, "LabelCommand", "caption");
        seenItems = Get(f, "ComboBox1", "items");
        ixh_form_set(f, "LEdit1", "text", "Changed");
        return IXH_MODAL_CANCEL;
    }));
    EXPECT_EQ(seenCaption, "ixCanvasCenter");
    EXPECT_EQ(seenCommand, "ixCanvasCenter");
    EXPECT_EQ(seenItems, "False\nTrue");
    EXPECT_EQ(params.strings[0], before0);
    EXPECT_EQ(params.strings[1], before1);
    EXPECT_EQ(params[0], "Rect1");

    EXPECT_TRUE(EditWith(4, params, [&](ixh_form f) {
        EXPECT_EQ(Get(f, "ComboBox1", "itemindex"), "1");
        ixh_form_set(f, "LEdit1", "text", "Rect2");
        ixh_form_set(f, "ComboBox1", "itemindex", "0");
        ixh_form_press(f, "ButtonOK50");
        return IXH_MODAL_FROM_FORM;
    }));
    EXPECT_EQ(params[0], "Rect2");
    EXPECT_EQ(params[1], "False");
}

TEST_F(Editors, ClosingTheWindowCountsAsCancel)
{
    Params params({"R", "250"});
    EXPECT_FALSE(EditWith(13, params, [](ixh_form) { return IXH_MODAL_CLOSE; }));
    EXPECT_EQ(params[1], "250");
}

TEST_F(Editors, ListSelectionIsExactAndNoMatchWritesEmpty)
{
    Params params({"R", "true"});
    EXPECT_TRUE(EditWith(17, params, [](ixh_form f) {
        EXPECT_EQ(Get(f, "ComboBox1", "itemindex"), "-1");
        EXPECT_EQ(Get(f, "ComboBox1", "items"), "True\nFalse");
        return IXH_MODAL_OK;
    }));
    EXPECT_EQ(params[1], "");
}

struct NumberCase {
    const char* parameter;
    const char* shown;
};

class ZoomNumbers : public Editors, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(ZoomNumbers, DigitsOnlyParametersAreShownInRange)
{
    Params params({"R", GetParam().parameter});
    std::string shown;
    EXPECT_TRUE(EditWith(13, params, [&](ixh_form f) {
        shown = Get(f, "SpinEdit1", "value");
        EXPECT_EQ(Get(f, "SpinEdit1", "visible"), "1");
        EXPECT_EQ(Get(f, "SpinEdit1", "left"), "5");
        return IXH_MODAL_OK;
    }));
    EXPECT_EQ(shown, GetParam().shown);
    EXPECT_EQ(params[1], GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Rule, ZoomNumbers,
                         ::testing::Values(NumberCase{"250", "250"}, NumberCase{"abc", "100"}, NumberCase{"-5", "100"},
                                           NumberCase{" 50", "100"}, NumberCase{"", "100"},
                                           NumberCase{"99999", "20000"}, NumberCase{"0", "1"},
                                           NumberCase{"0007", "7"},
                                           NumberCase{"123456789012345678901234567890", "20000"}));

TEST_F(Editors, CreateFileLaysOutThreeNumbers)
{
    Params params({"R", "640", "x", "300"});
    EXPECT_TRUE(EditWith(3, params, [](ixh_form f) {
        EXPECT_EQ(Get(f, "", "class"), "TFormNumber");
        EXPECT_EQ(Get(f, "SpinEdit2", "left"), "130");
        EXPECT_EQ(Get(f, "Label3", "left"), "255");
        EXPECT_EQ(Get(f, "SpinEdit3", "max"), "255");
        EXPECT_EQ(Get(f, "LEdit1", "label"), "\xC2\xFB\xE1\xEE\xF0 \xEF\xF0\xFF\xEC\xEE\xF3\xE3\xEE\xEB\xFC\xED\xE8\xEA\xE0:");
        ixh_form_press(f, "btnOK");
        return IXH_MODAL_FROM_FORM;
    }));
    EXPECT_EQ(params[1], "640");
    EXPECT_EQ(params[2], "1");
    EXPECT_EQ(params[3], "255");
}

TEST_F(Editors, ObjectAndVariablePickersTakeOnlyATrueAnswer)
{
    UsePickHost();
    picks.text = "Rectangle2";
    Params params({"", "Old"});
    EXPECT_TRUE(EditWith(20, params, [&](ixh_form f) {
        EXPECT_EQ(Get(f, "SpeedButton1", "visible"), "0");
        EXPECT_EQ(ixh_form_press(f, "Kn1"), 1);
        EXPECT_EQ(Get(f, "LEdit1", "text"), "Rectangle2");
        picks.answer = 0;
        ixh_form_set(f, "LEdit2", "text", "Typed");
        EXPECT_EQ(ixh_form_press(f, "SpeedButton2"), 1);
        EXPECT_EQ(Get(f, "LEdit2", "text"), "Typed");
        return IXH_MODAL_OK;
    }));
    ASSERT_EQ(picks.asked.size(), 2u);
    EXPECT_EQ(picks.asked[0], (std::pair<int, std::string>{IX_IA_PICK_OBJECT, ""}));
    EXPECT_EQ(picks.asked[1], (std::pair<int, std::string>{IX_IA_PICK_VARIABLE, "Typed"}));
    EXPECT_EQ(params[0], "Rectangle2");
    EXPECT_EQ(params[1], "Typed");
}

TEST_F(Editors, PickersWithoutInterfaceAccessDoNothing)
{
    host.RegisterInterfaceAccess(false);
    Params params({"R", "V", "", ""});
    EXPECT_TRUE(EditWith(7, params, [](ixh_form f) {
        ixh_form_press(f, "Kn1");
        ixh_form_press(f, "SpeedButton6");
        EXPECT_EQ(Get(f, "LEdit1", "text"), "R");
        return IXH_MODAL_OK;
    }));
    EXPECT_EQ(ixh_message_box_count(), 0);
}

TEST_F(Editors, SubroutineListShowsTheHostsListOrSaysThereIsNone)
{
    UsePickHost();
    const std::string none = "\xCF\xEE\xE4\xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB \xEE\xF2\xF1\xF3\xF2\xF1\xF2\xE2\xF3\xFE\xF2";
    const std::string title = "\xD1\xEF\xE8\xF1\xEE\xEA \xEF\xEE\xE4\xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC";
    Params params({"R", "", "True", "Sub1"});
    EXPECT_TRUE(EditWith(8, params, [&](ixh_form f) {
        picks.text = "A\r\nB";
        ixh_form_press(f, "SpeedButton6");
        picks.text = "";
        ixh_form_press(f, "SpeedButton6");
        picks.answer = 0;
        ixh_form_press(f, "SpeedButton6");
        return IXH_MODAL_OK;
    }));
    ASSERT_EQ(ixh_message_box_count(), 3);
    char text[256];
    ixh_message_box_text(0, text, sizeof text);
    EXPECT_EQ(std::string(text), title + "\r\rA\r\nB");
    ixh_message_box_text(1, text, sizeof text);
    EXPECT_EQ(std::string(text), none);
    ixh_message_box_text(2, text, sizeof text);
    EXPECT_EQ(std::string(text), none);
    EXPECT_EQ(params[3], "Sub1");
    EXPECT_EQ(params[2], "True");
}

int ChooseBlue(void* context, uint32_t, uint32_t* chosen)
{
    if (*static_cast<int*>(context) == 0) return 0;
    *chosen = 0xFF0000u;  // blue: R + 256 G + 65536 B
    return 1;
}

TEST_F(Editors, ColourPickerWritesColourTextOrKeepsTheField)
{
    int confirm = 1;
    ixh_set_color_driver(&ChooseBlue, &confirm);
    Params params({"R", "1,2,3"});
    EXPECT_TRUE(EditWith(19, params, [&](ixh_form f) {
        confirm = 0;
        ixh_form_press(f, "SpeedButton1");
        EXPECT_EQ(Get(f, "LEdit2", "text"), "1,2,3");
        confirm = 1;
        ixh_form_press(f, "SpeedButton1");
        return IXH_MODAL_OK;
    }));
    ixh_set_color_driver(nullptr, nullptr);
    EXPECT_EQ(params[1], "0,0,255");
}

int ChooseCursorFile(void* context, const ixh_file_request* request, char* fileName, size_t size, int* index)
{
    *static_cast<std::string*>(context) = request->filter;
    std::snprintf(fileName, size, "%s", "c:\\cur\\hand.cur");
    *index = 1;
    return 1;
}

TEST_F(Editors, LoadCursorOffersTheCursorFilter)
{
    std::string filter;
    ixh_set_file_driver(&ChooseCursorFile, &filter);
    Params params({"R", ""});
    EXPECT_TRUE(EditWith(15, params, [](ixh_form f) {
        EXPECT_EQ(ixh_form_press(f, "SpeedButton3"), 1);
        return IXH_MODAL_OK;
    }));
    ixh_set_file_driver(nullptr, nullptr);
    EXPECT_EQ(filter, "Cursor (*cur)|*cur");
    EXPECT_EQ(params[1], "c:\\cur\\hand.cur");
}

TEST_F(Editors, BrushShowsItsWidthInPlaceOfTheList)
{
    Params params({"R", "0,0,0", "12"});
    EXPECT_TRUE(EditWith(22, params, [](ixh_form f) {
        EXPECT_EQ(Get(f, "", "class"), "TForm10");
        EXPECT_EQ(Get(f, "ComboBox1", "visible"), "0");
        EXPECT_EQ(Get(f, "Label1", "visible"), "0");
        EXPECT_EQ(Get(f, "se2", "visible"), "1");
        EXPECT_EQ(Get(f, "se2", "left"), "5");
        EXPECT_EQ(Get(f, "se2", "value"), "12");
        // Two characters at most; the range applies when the field loses the focus.
        ixh_form_set(f, "se2", "text", "150");
        EXPECT_EQ(Get(f, "se2", "text"), "15");
        ixh_form_set(f, "se2", "text", "1");
        return IXH_MODAL_OK;
    }));
    EXPECT_EQ(params[2], "2");
}

struct ElseCase {
    int id;
    const char* parameter;
    const char* control;
    const char* shown;
};

class NumberDefaults : public Editors, public ::testing::WithParamInterface<ElseCase> {};

TEST_P(NumberDefaults, AParameterTheRuleDoesNotShowGetsTheEditorsValue)
{
    const ElseCase& c = GetParam();
    std::vector<std::string> texts{"R", c.parameter};
    if (c.id == 30 || c.id == 33) texts.push_back(c.parameter);
    Params params(texts);
    std::string shown;
    EXPECT_TRUE(EditWith(c.id, params, [&](ixh_form f) {
        shown = Get(f, c.control, "value");
        return IXH_MODAL_OK;
    }));
    EXPECT_EQ(shown, c.shown);
}

INSTANTIATE_TEST_SUITE_P(Editors, NumberDefaults,
                         ::testing::Values(ElseCase{30, "x", "SpinEdit1", "2"}, ElseCase{30, "50", "SpinEdit1", "50"},
                                           ElseCase{33, "x", "SpinEdit2", "4"}, ElseCase{54, "x", "SpinEdit1", "1"},
                                           ElseCase{54, "7", "SpinEdit1", "7"}, ElseCase{59, "-3", "SpinEdit1", "1"},
                                           ElseCase{41, "x", "SpinEdit1", "0"}, ElseCase{43, "x", "SpinEdit1", "15"}));

TEST_F(Editors, FillPictureOffersThePictureFilter)
{
    std::string filter;
    ixh_set_file_driver(&ChooseCursorFile, &filter);
    Params params({"R", ""});
    EXPECT_TRUE(EditWith(50, params, [](ixh_form f) {
        EXPECT_EQ(Get(f, "SpeedButton4", "visible"), "0");
        EXPECT_EQ(ixh_form_press(f, "SpeedButton3"), 1);
        return IXH_MODAL_OK;
    }));
    ixh_set_file_driver(nullptr, nullptr);
    EXPECT_EQ(filter.rfind("All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|", 0), 0u);
    EXPECT_NE(filter.find("|Metafiles (*.wmf)|*.wmf"), std::string::npos);
}

TEST_F(Editors, EveryCanvasEditorAnswersCancelWithFalse)
{
    const std::vector<std::pair<int, int>> rows = {
        {1, 1}, {2, 1}, {3, 4}, {4, 2}, {5, 3}, {6, 3}, {7, 4}, {8, 4}, {9, 3}, {10, 3}, {11, 2}, {12, 2}, {13, 2},
        {14, 2}, {15, 2}, {16, 3}, {17, 2}, {18, 3}, {19, 2}, {20, 2}, {21, 2}, {22, 3}, {23, 2}, {24, 3}, {25, 4},
        {28, 3}, {30, 3}, {31, 3}, {32, 2}, {33, 3}, {34, 3}, {35, 3}, {36, 3}, {39, 1}, {40, 3}, {41, 2}, {42, 2},
        {43, 2}, {44, 1}, {49, 2}, {50, 2}, {51, 2}, {52, 2}, {54, 2}, {57, 1}, {59, 2}, {63, 1}};
    for (auto [id, count] : rows) {
        Params params(std::vector<std::string>(static_cast<std::size_t>(count), "x"));
        std::string caption;
        EXPECT_FALSE(EditWith(id, params, [&](ixh_form f) {
            caption = Get(f, "", "caption");
            return IXH_MODAL_CANCEL;
        })) << id;
        EXPECT_FALSE(caption.empty() || caption == "Action Properties") << id;
        Params confirmed(std::vector<std::string>(static_cast<std::size_t>(count), "x"));
        EXPECT_TRUE(EditWith(id, confirmed, [](ixh_form) { return IXH_MODAL_OK; })) << id;
        EXPECT_EQ(confirmed[0], "x") << id;
    }
}

}  // namespace
