#include "host/HostStrings.h"
#include "host/ScriptError.h"
#include "host/Text.h"
#include "host/Words.h"

#include <gtest/gtest.h>

namespace ix::host {
namespace {

TEST(Words, ReadsPointsColoursButtonsAndFlags)
{
    EXPECT_EQ(ReadPoint("-3,40", 1).x, -3);
    EXPECT_EQ(ReadPoint("-3,40", 1).y, 40);
    auto c = ReadColor("1,2,3", 1);
    EXPECT_EQ((std::array<std::uint8_t, 4>{1, 2, 3, 255}), c);
    EXPECT_EQ(ReadColor("1,2,3,0", 1)[3], 0);
    EXPECT_EQ(ReadButton("RIGHT", 1), MouseButton::Right);
    EXPECT_TRUE(ReadFlag("Yes", 1));
    EXPECT_FALSE(ReadFlag("false", 1));
}

TEST(Words, RejectsMalformedWords)
{
    for (const char* w : {"1", "1,2,3", "a,b", "1,", "1,2 "}) EXPECT_THROW(ReadPoint(w, 1), ScriptError) << w;
    for (const char* w : {"1,2", "256,0,0", "-1,0,0", "1;2;3", "1,2,3,4,5", "0x10,0,0"})
        EXPECT_THROW(ReadColor(w, 1), ScriptError) << w;
    EXPECT_THROW(ReadButton("4", 1), ScriptError);
    EXPECT_THROW(ReadFlag("1", 1), ScriptError);
    EXPECT_THROW(ReadInt("99999999999", 1, 0, 100), ScriptError);
}

TEST(Text, ScriptTextMustFitTheCodePage)
{
    EXPECT_EQ(ScriptTextToCp1251("\xD0\x98\xD0\xBC\xD1\x8F"), "\xC8\xEC\xFF"); // "Имя"
    EXPECT_FALSE(ScriptTextToCp1251("\xE4\xB8\xAD").has_value());           // a CJK character
    EXPECT_FALSE(ScriptTextToCp1251("\xFF\xFE").has_value());               // not UTF-8
}

TEST(HostStrings, ArraysHoldHostBlocksAndReadBackReplacements)
{
    HostStringArray empty({});
    EXPECT_EQ(empty.data(), nullptr) << "no dangling pointer for an empty array";
    HostStringArray array({"a", ""});
    ASSERT_NE(array.data(), nullptr);
    EXPECT_STREQ(array.data()[1], "");
    // What an editor does on OK: free the old block, store a new one.
    ASSERT_TRUE(ReplaceHostString(array.data()[0], "replaced"));
    EXPECT_EQ(array.Texts(), (std::vector<std::string>{"replaced", ""}));
    ReleaseHostString(array.data()[1]);
    EXPECT_EQ(array.Texts()[1], "") << "a null element reads as empty text";
}

} // namespace
} // namespace ix::host
