#include "host/Script.h"
#include "host/ScriptError.h"

#include <gtest/gtest.h>

namespace ix::host {
namespace {

std::vector<std::string> Texts(const std::vector<Word>& words)
{
    std::vector<std::string> out;
    for (const Word& w : words) out.push_back(w.text);
    return out;
}

struct SplitCase {
    const char* line;
    std::vector<std::string> words;
};

TEST(SplitWords, SplitsBlanksQuotesEscapesAndComments)
{
    const SplitCase cases[] = {
        {"ixCanvasPen  Canvas1\t255,0,0", {"ixCanvasPen", "Canvas1", "255,0,0"}},
        {R"(set a "two words")", {"set", "a", "two words"}},
        {R"(set a "")", {"set", "a", ""}},
        {R"(set a "say \"hi\" \\ \d")", {"set", "a", R"(say "hi" \ \d)"}},
        {"set a b # a comment", {"set", "a", "b"}},
        {R"(set a "# not a comment")", {"set", "a", "# not a comment"}},
        {"set a b#c", {"set", "a", "b#c"}},
        {"   # only a comment", {}},
        {"", {}},
        {"set a\r", {"set", "a"}},
    };
    for (const SplitCase& c : cases) EXPECT_EQ(Texts(SplitWords(c.line, 1)), c.words) << c.line;
}

TEST(SplitWords, MarksQuotedWords)
{
    std::vector<Word> w = SplitWords(R"(a "b")", 1);
    ASSERT_EQ(w.size(), 2u);
    EXPECT_FALSE(w[0].quoted);
    EXPECT_TRUE(w[1].quoted);
}

TEST(SplitWords, RejectsUnterminatedAndGluedQuotes)
{
    for (const char* line : {R"(set a "open)", R"(set a "x"y)", R"(set a "ends with \")"}) {
        try {
            SplitWords(line, 7);
            ADD_FAILURE() << line;
        } catch (const ScriptError& e) {
            EXPECT_EQ(e.line(), 7) << line;
        }
    }
}

TEST(ParseScript, CollectsSubroutinesAndNestsBlocks)
{
    Program p = ParseScript("object A 0 0 10 10\n"
                            "gosub Later\n"
                            "edit ixCanvasPen A \"\"\n"
                            "  type LEdit2 1,2,3\n"
                            "  ok\n"
                            "END\n"
                            "sub Later\n"
                            "  answer form\n"
                            "    cancel\n"
                            "  end\n"
                            "end\n");
    ASSERT_EQ(p.main.size(), 3u);
    EXPECT_EQ(p.main[2].keyword, "edit");
    ASSERT_EQ(p.main[2].body.size(), 2u);
    EXPECT_EQ(p.main[2].body[0].line, 4);
    ASSERT_EQ(p.subroutines.count("later"), 1u) << "subroutine names ignore ASCII case";
    const std::vector<Statement>& later = p.subroutines.at("Later");
    ASSERT_EQ(later.size(), 1u);
    EXPECT_EQ(later[0].body.size(), 1u);
    EXPECT_EQ(p.subroutineOrder, std::vector<std::string>{"Later"});
}

TEST(ParseScript, ReportsMalformedBlocksWithTheirLine)
{
    struct Case {
        const char* text;
        int line;
    };
    const Case cases[] = {
        {"set a b\nend\n", 2},                          // end without a block
        {"sub A\nset a b\n", 1},                        // block never closed
        {"edit ixCanvasPen A\nsub B\nend\nend\n", 2},   // sub inside a block
        {"sub A\nend\nsub a\nend\n", 3},                // defined twice (case ignored)
        {"sub\nend\n", 1},                              // sub without a name
        {"\"quoted\" keyword\n", 1},
        {"sub A\nend extra\n", 2},
    };
    for (const Case& c : cases) {
        try {
            ParseScript(c.text);
            ADD_FAILURE() << c.text;
        } catch (const ScriptError& e) {
            EXPECT_EQ(e.line(), c.line) << c.text;
        }
    }
}

TEST(ParseScript, RefusesOverlongLines)
{
    std::string text = "set a " + std::string(70000, 'x') + "\n";
    EXPECT_THROW(ParseScript(text), ScriptError);
}

} // namespace
} // namespace ix::host
