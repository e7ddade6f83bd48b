#include "host/ScriptError.h"
#include "host/Variables.h"

#include <gtest/gtest.h>

namespace ix::host {
namespace {

TEST(Variables, NamesIgnoreAsciiCaseOnly)
{
    Variables v;
    v.Set("MouseX", "10");
    EXPECT_EQ(v.Get("mousex"), "10");
    v.Set("\xC8\xEC\xFF", "cyr"); // "Имя" in Windows-1251
    EXPECT_FALSE(v.Get("\xE8\xEC\xFF").has_value()) << "Cyrillic case is not folded";
    EXPECT_EQ(v.SetCount("MOUSEX"), 1);
}

TEST(Variables, ExpandsReferencesAndDollars)
{
    Variables v;
    v.Set("x", "12");
    v.Set("empty", "");
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"${x},${X}", "12,12"}, {"a$$b", "a$b"}, {"$", "$"},           {"cost $5", "cost $5"},
        {"${empty}!", "!"},     {"$${x}", "${x}"}, {"${x}${x}", "1212"},
    };
    for (const Case& c : cases) EXPECT_EQ(v.Expand(c.in, 1), c.out) << c.in;
}

TEST(Variables, UnsetOrUnclosedReferenceIsAScriptError)
{
    Variables v;
    EXPECT_THROW(v.Expand("${missing}", 3), ScriptError);
    EXPECT_THROW(v.Expand("${open", 3), ScriptError);
}

TEST(Variables, DropsValuesBeyondTheLimit)
{
    Variables v;
    EXPECT_FALSE(v.Set("big", std::string(Variables::kMaxValue + 1, 'a')));
    EXPECT_FALSE(v.Get("big").has_value());
    EXPECT_EQ(v.droppedCount(), 1);
}

} // namespace
} // namespace ix::host
