// The dialog filter lists: order, the appended extensions, the joined resource text.
#include "gfx/codecs/FileFilters.h"

#include <gtest/gtest.h>

namespace ix::gfx::codecs {
namespace {

TEST(FileFilters, OpenListHasTwentyEightEntriesWithAllFilesSecond)
{
    const auto open = OpenPictureFilters();
    ASSERT_EQ(open.size(), 28u);
    EXPECT_EQ(open[1].description, "All Files (*.*)");
    EXPECT_EQ(open[1].patterns, "*.*");
    EXPECT_EQ(open[27].patterns, "*.wmv");
    // The first entry's patterns are exactly those its description names.
    const std::string description(open[0].description);
    const auto inner = description.substr(description.find('(') + 1, description.rfind(')') - description.find('(') - 1);
    EXPECT_EQ(inner, open[0].patterns);
}

TEST(FileFilters, SaveListAppendsTheExtensionOfTheChosenIndex)
{
    const struct {
        int index;
        std::string_view extension;
    } cases[] = {{1, ".tif"}, {3, ".jpg"}, {7, ".png"}, {9, ".pxm"}, {16, ".lyr"}, {19, ".avi"}, {0, ""}, {20, ""}, {-3, ""}};
    for (const auto& c : cases) EXPECT_EQ(SaveFilterExtension(c.index), c.extension) << c.index;
    EXPECT_EQ(SavePictureFilters().size(), 19u);
}

TEST(FileFilters, FilterTextIsOneWindows1251String)
{
    const std::string text = FilterText(SavePictureFilters());
    EXPECT_EQ(text.rfind("TIFF Bitmap (*.tif;*.tiff;*.fax;*.g3n;*.g3f;*.xif)|*.tif;*.tiff;*.fax;*.g3n;*.g3f;*.xif|CompuServe", 0), 0u);
    // "Видео для Windows (*.avi)|*.avi" at the end, in Windows-1251 bytes.
    EXPECT_TRUE(text.ends_with("|\xC2\xE8\xE4\xE5\xEE \xE4\xEB\xFF Windows (*.avi)|*.avi"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '|'), 2 * 19 - 1);
}

} // namespace
} // namespace ix::gfx::codecs
