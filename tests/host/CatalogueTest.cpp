#include "host/Catalogue.h"

#include <gtest/gtest.h>

namespace ix::host {
namespace {

TEST(Catalogue, KeepsActionsWithTheirCategory)
{
    Catalogue c;
    const std::uint8_t none[] = {0};
    const std::uint8_t types[] = {1, 6};
    c.Add(0, "Tools", "", none, 0, 0);
    c.Add(24, "ixCanvasPipette", "hint", types, 1, 2);
    ASSERT_NE(c.Find("IXCANVASPIPETTE"), nullptr);
    EXPECT_EQ(c.Find("ixcanvaspipette")->id, 24);
    EXPECT_EQ(c.Find("ixCanvasPipette")->types, (std::vector<std::uint8_t>{1, 6}));
    EXPECT_EQ(c.Find("ixCanvasPipette")->category, "Tools");
    EXPECT_EQ(c.FindId(24)->name, "ixCanvasPipette");
    EXPECT_EQ(c.categoryCount(), 1);
    EXPECT_EQ(c.Find("ixCanvasPen"), nullptr);
}

TEST(Catalogue, SetsMalformedRowsAside)
{
    Catalogue c;
    const std::uint8_t types[] = {1, 1, 1};
    c.Add(5, "countMismatch", "", types, 1, 3); // highest index must be count - 1
    c.Add(-1, "negativeId", "", types, 0, 1);
    c.Add(6, nullptr, "", types, 0, 1);
    c.Add(7, "nullTypes", "", nullptr, 0, 1);
    c.Add(8, "tooMany", "", types, 99, 100);
    c.Add(9, "twice", "", types, 0, 1);
    c.Add(10, "TWICE", "", types, 0, 1);
    c.Add(11, "noParameters", nullptr, nullptr, -1, 0);
    EXPECT_EQ(c.malformedCount(), 6);
    EXPECT_EQ(c.Find("twice")->id, 9);
    ASSERT_NE(c.Find("noParameters"), nullptr);
    EXPECT_TRUE(c.Find("noParameters")->types.empty());
}

} // namespace
} // namespace ix::host
