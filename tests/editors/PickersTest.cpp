// The save-picture picker and the colour text of the pickers, white-box against the
// headless window system's file dialog driver.
#include "editors/EditDuibl.h"
#include "editors/Pickers.h"

#include <ixcanvas/headless.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using namespace ix::editors;

struct SaveAnswer {
    const char* name;
    int index;
    std::string filterSeen;
};

int AnswerSave(void* context, const ixh_file_request* request, char* fileName, size_t size, int* index)
{
    auto* answer = static_cast<SaveAnswer*>(context);
    answer->filterSeen = request->filter;
    if (answer->name == nullptr) return 0;
    std::snprintf(fileName, size, "%s", answer->name);
    *index = answer->index;
    return 1;
}

struct SaveCase {
    const char* chosen;
    int index;
    const char* field;
};

class SavePicker : public ::testing::TestWithParam<SaveCase> {
protected:
    void TearDown() override { ixh_reset(); }
};

TEST_P(SavePicker, AppendsTheExtensionOfTheChosenFilter)
{
    SaveAnswer answer{GetParam().chosen, GetParam().index, {}};
    ixh_set_file_driver(&AnswerSave, &answer);
    TDublForm form;
    ix::ui::LabeledEdit& field = form.Edit("LEdit2");
    field.SetText("before");
    PickSavePicture(form, field);
    EXPECT_EQ(field.Text(), GetParam().field);
    EXPECT_EQ(answer.filterSeen, SaveFilter());
}

INSTANTIATE_TEST_SUITE_P(Pickers, SavePicker,
                         ::testing::Values(SaveCase{"c:\\pics\\a", 7, "c:\\pics\\a.png"},
                                           SaveCase{"c:\\pics\\a.png", 7, "c:\\pics\\a.png.png"},
                                           SaveCase{"photo.jpg", 3, "photo.jpg.jpg"},
                                           SaveCase{"clip", 19, "clip.avi"},
                                           // An index the list does not have appends nothing.
                                           SaveCase{"odd", 0, "odd"}, SaveCase{"odd", 20, "odd"},
                                           SaveCase{nullptr, 1, "before"}));

TEST(SaveFilterList, HoldsNineteenEntriesInCp1251)
{
    const std::string& filter = SaveFilter();
    int bars = 0;
    for (char c : filter) bars += c == '|';
    EXPECT_EQ(bars, 2 * 19 - 1);
    EXPECT_EQ(filter.rfind("TIFF Bitmap (*.tif;*.tiff;*.fax;*.g3n;*.g3f;*.xif)|*.tif;", 0), 0u);
    // "Видео для Windows (*.avi)|*.avi" in Windows-1251.
    const std::string last = "\xC2\xE8\xE4\xE5\xEE \xE4\xEB\xFF Windows (*.avi)|*.avi";
    ASSERT_GE(filter.size(), last.size());
    EXPECT_EQ(filter.substr(filter.size() - last.size()), last);
    EXPECT_EQ(SaveExtension(1), ".tif");
    EXPECT_EQ(SaveExtension(10), ".wbmp");
    EXPECT_EQ(SaveExtension(-1), "");
}

TEST(ColorTextOfPicker, IsDecimalRedGreenBlueWithoutBlanks)
{
    EXPECT_EQ(ColorText(ix::gfx::Color::FromRgb(0, 0, 255)), "0,0,255");
    EXPECT_EQ(ColorText(ix::gfx::Color::FromRgb(255, 128, 0)), "255,128,0");
}

}  // namespace
