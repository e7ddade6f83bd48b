#include "ui/Platform.h"
#include "ui/headless/FontMap.h"
#include "ui/text/TextLayout.h"
#include "ui/text/TextRenderer.h"

#include <gtest/gtest.h>

using namespace ix::ui;

namespace {

TEST(FontMap, NamesMapToDejaVuFaces)
{
    struct Case {
        const char* name;
        unsigned style;
        const char* file;
    };
    const Case cases[] = {
        {"MS Sans Serif", FontRegular, "DejaVuSans.ttf"},
        {"Arial", FontBold, "DejaVuSans-Bold.ttf"},
        {"Tahoma", FontItalic, "DejaVuSans-Oblique.ttf"},
        {"Times New Roman", FontBold | FontItalic, "DejaVuSerif-BoldItalic.ttf"},
        {"Courier New", FontRegular, "DejaVuSansMono.ttf"},
        {"Monotype Corsiva", FontRegular, "DejaVuSerif-Italic.ttf"},
        {"Segoe Script", FontBold, "DejaVuSerif-BoldItalic.ttf"},
        {"", FontRegular, "DejaVuSans.ttf"},
        {"No Such Font", FontUnderline, "DejaVuSans.ttf"},
    };
    for (const Case& c : cases) EXPECT_EQ(headless::FontFileFor(c.name, c.style), c.file) << c.name;
}

TEST(TextRenderer, MeasuresGrowWithTextAndHeight)
{
    TextRenderer& t = ThePlatform().Text();
    Font small, big;
    small.height = 11;
    big.height = 22;
    EXPECT_EQ(t.Measure(small, "").width, 0);
    EXPECT_GT(t.Measure(small, "abc").width, t.Measure(small, "ab").width);
    EXPECT_GT(t.Measure(big, "abc").width, t.Measure(small, "abc").width);
    EXPECT_GE(t.Measure(big, "x").height, 22);
    Font absurd;
    absurd.height = 1 << 30;
    EXPECT_LE(t.Measure(absurd, "x").height, 1000); // clamped, no huge glyph rendering
}

TEST(TextLayout, BreaksAtBlanksAndExplicitBreaks)
{
    TextRenderer& t = ThePlatform().Text();
    Font f;
    const int w = t.Measure(f, "one two").width;
    EXPECT_EQ(BreakLines(t, f, "one two three", w), (std::vector<std::string>{"one two", "three"}));
    EXPECT_EQ(BreakLines(t, f, "a\r\nb\nc\rd", 0), (std::vector<std::string>{"a", "b", "c", "d"}));
    const auto pieces = BreakLines(t, f, "abcdefghijklmnopqrstuvwxyz", t.Measure(f, "abcde").width);
    ASSERT_GT(pieces.size(), 3u);
    std::string joined;
    for (const auto& p : pieces) joined += p;
    EXPECT_EQ(joined, "abcdefghijklmnopqrstuvwxyz");
}

} // namespace
