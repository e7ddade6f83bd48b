// Pictures on the clipboard: the raw format round trip and its refusal of bad blocks.
#include "actions/PictureClipboard.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ix;

TEST(PictureClipboard, RawFormatKeepsPixelsAndAlpha)
{
    gfx::Picture p({3, 2}, gfx::Color::FromRgb(1, 2, 3));
    p.SetPixel({2, 1}, gfx::colors::Red);
    const auto opaque = actions::DecodeRawPicture(actions::EncodeRawPicture(p));
    ASSERT_TRUE(opaque);
    EXPECT_EQ(opaque->GetPixel({2, 1}), gfx::colors::Red);
    EXPECT_FALSE(opaque->HasAlpha());
    p.SetAlpha({0, 1}, 17);
    const auto withAlpha = actions::DecodeRawPicture(actions::EncodeRawPicture(p));
    ASSERT_TRUE(withAlpha);
    EXPECT_EQ(withAlpha->GetAlpha({0, 1}), 17);
    EXPECT_EQ(withAlpha->GetPixel({0, 0}), gfx::Color::FromRgb(1, 2, 3));
}

TEST(PictureClipboard, RawFormatRefusesBadBlocks)
{
    std::vector<std::uint8_t> good = actions::EncodeRawPicture(gfx::Picture({4, 4}));
    std::vector<std::vector<std::uint8_t>> bad;
    bad.push_back({});
    bad.push_back(std::vector<std::uint8_t>(good.begin(), good.end() - 1)); // truncated
    auto wrongMagic = good;
    wrongMagic[0] = 'X';
    bad.push_back(wrongMagic);
    auto huge = good;
    huge[9] = 0x7F; // width claims far more pixels than the block holds
    bad.push_back(huge);
    auto badFlag = good;
    badFlag[14] = 2;
    bad.push_back(badFlag);
    for (const auto& block : bad) EXPECT_FALSE(actions::DecodeRawPicture(block));
    EXPECT_TRUE(actions::DecodeRawPicture(good));
}
