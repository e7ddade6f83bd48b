#include "actions/readings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>

using namespace ix::actions;
using ix::gfx::Color;

namespace {

struct DigitCase {
    std::string text;
    bool hasNonDigit;
};

TEST(HasNonDigit, Table)
{
    const DigitCase cases[] = {
        {"", true},       {"-5", true},   {"+5", true},  {"12 ", true}, {" 12", true}, {"1a2", true},
        {"abc", true},    {"1.5", true},  {"$FF", true}, {"0", false},  {"007", false},
        {"1234567890123", false}, // digits only, whatever the magnitude
    };
    for (const auto& c : cases) EXPECT_EQ(HasNonDigit(c.text), c.hasNonDigit) << '"' << c.text << '"';
}

struct IntegerCase {
    std::string text;
    std::optional<std::int32_t> value;
};

TEST(StrictIntegerReading, AcceptedAndRejectedTexts)
{
    const IntegerCase cases[] = {
        {"0", 0},
        {"42", 42},
        {"007", 7},
        {"   42", 42},   // leading blanks
        {"+42", 42},
        {"-42", -42},
        {"  -7", -7},
        {"$FF", 255},
        {"$ff", 255},
        {"xFF", 255},
        {"XfF", 255},
        {"0x10", 16},
        {"0X10", 16},
        {"-$10", -16},
        {"+0x7FFFFFFF", 2147483647},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-0x80000000", -2147483647 - 1},
        {"2147483648", std::nullopt}, // just outside the 32-bit range
        {"-2147483649", std::nullopt},
        {"$80000000", std::nullopt},
        {"99999999999999999999999999", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"x", std::nullopt},
        {"42 ", std::nullopt}, // nothing may follow
        {"4 2", std::nullopt},
        {"- 4", std::nullopt},
        {"+-4", std::nullopt},
        {"1.5", std::nullopt},
        {"1e3", std::nullopt},
        {"$FG", std::nullopt},
        {"0x-1", std::nullopt},
        {"abc", std::nullopt},
        {"\t42", std::nullopt}, // only blanks are skipped
        {std::string("4\0", 2), std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TryReadInteger(c.text), c.value) << '"' << c.text << '"';
        if (c.value) {
            EXPECT_EQ(ReadInteger(c.text), *c.value);
        } else {
            EXPECT_THROW(ReadInteger(c.text), ReadingError) << '"' << c.text << '"';
        }
    }
}

TEST(IntegerReadingWithDefault, RejectedTextsGiveTheDefault)
{
    const IntegerCase cases[] = {
        {"abc", 100}, {"", 100}, {"1.5", 100}, {"  25", 25}, {"-3", -3}, {"$10", 16}, {"25 ", 100},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadIntegerOr(c.text, 100), *c.value) << '"' << c.text << '"';
}

TEST(SplitDelimited, FollowsTheStringListRules)
{
    using Items = std::vector<std::string>;
    struct Case {
        std::string text;
        Items items;
    };
    const Case cases[] = {
        {"1,2,3", {"1", "2", "3"}},
        {"  1 , 2 ,3  ", {"1", "2", "3"}},
        {"1 2 3", {"1", "2", "3"}}, // a blank ends an item as a comma does
        {"\t1,\n2,\r3", {"1", "2", "3"}},
        {"1,,3", {"1", "", "3"}},
        {"1,2,", {"1", "2", ""}}, // a final comma adds an empty item
        {"\"1 2\",3", {"1 2", "3"}},
        {"\"a\"\"b\",c", {"a\"b", "c"}},
        {"\"open", {"open"}},
        {"1;2;3", {"1;2;3"}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitDelimited(c.text), c.items) << '"' << c.text << '"';
}

struct ColorCase {
    std::string text;
    std::optional<Color> color;
};

TEST(ColorReading, Table)
{
    const ColorCase cases[] = {
        {"255,128,0", Color::FromRgb(255, 128, 0)},
        {"0,0,255", Color::FromRgb(0, 0, 255)},
        {" 255 , 128 , 0 ", Color::FromRgb(255, 128, 0)}, // blanks around the commas
        {"$FF,0,$10", Color::FromRgb(255, 0, 16)},
        {"300,0,0", Color::FromRgb(44, 0, 0)}, // low 8 bits
        {"-1,256,511", Color::FromRgb(255, 0, 255)},
        {"1,2,3,4", Color::FromRgb(1, 2, 3)}, // further items are ignored
        {"1,2,3,x", Color::FromRgb(1, 2, 3)},
        {"\"10\",20,30", Color::FromRgb(10, 20, 30)},
        {"1 2 3", Color::FromRgb(1, 2, 3)},
        {"1;2;3", std::nullopt},
        {"1,2", std::nullopt},
        {"1,2,", std::nullopt},
        {"1,,3", std::nullopt},
        {"a,b,c", std::nullopt},
        {"1.5,2,3", std::nullopt},
        {"", std::nullopt},
        {"99999999999,0,0", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TryReadColor(c.text), c.color) << '"' << c.text << '"';
        if (!c.color) {
            EXPECT_THROW(ReadColor(c.text), ReadingError) << '"' << c.text << '"';
        }
    }
    EXPECT_EQ(ReadColor("255,128,0").Value(), 255u + 256u * 128u);
}

TEST(BooleanReading, OnlyTrueAndFalseInAnyCase)
{
    const std::pair<std::string, std::optional<bool>> cases[] = {
        {"true", true},  {"TRUE", true},          {"True", true},          {"tRuE", true},
        {"false", false}, {"FALSE", false},       {"False", false},        {"1", std::nullopt},
        {"yes", std::nullopt}, {"", std::nullopt}, {" true", std::nullopt}, {"true ", std::nullopt},
        {"0", std::nullopt},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ReadBoolean(text), value) << '"' << text << '"';
}

TEST(ValueTexts, IntegersBooleansColours)
{
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(-17), "-17");
    EXPECT_EQ(IntegerText(2147483647), "2147483647");
    EXPECT_EQ(BooleanText(true), "True");
    EXPECT_EQ(BooleanText(false), "False");
    EXPECT_EQ(ColorText(Color::FromRgb(255, 128, 0)), "255,128,0");
    EXPECT_EQ(ColorText(Color::FromRgb(0, 0, 0)), "0,0,0");
}

TEST(FloatText, GeneralFormat)
{
    const std::pair<double, std::string> cases[] = {
        {100.0, "100"},
        {250.0, "250"},
        {0.0, "0"},
        {-0.0, "0"},
        {12.5, "12.5"},
        {-12.5, "-12.5"},
        {100.0 / 3.0, "33.3333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {0.000015, "1.5E-5"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E15"},
        {1.5e20, "1.5E20"},
        {0.1 + 0.2, "0.3"}, // fifteen digits hide the binary remainder
        {123456.789, "123456.789"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(FloatText(value, '.'), text) << value;
    EXPECT_EQ(FloatText(100.0 / 3.0, ','), "33,3333333333333");
    EXPECT_EQ(FloatText(1.5e20, ','), "1,5E20");
}

TEST(FloatText, UsesTheCurrentLocaleSeparator)
{
    // The C locale is what a test process starts with; its separator is the point.
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(DecimalSeparator(), '.');
    EXPECT_EQ(FloatText(2.5), "2.5");
    // A comma locale, where the machine has one.
    for (const char* name : {"de_DE.UTF-8", "ru_RU.UTF-8", "fr_FR.UTF-8", "de_DE", "ru_RU"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            EXPECT_EQ(DecimalSeparator(), ',') << name;
            EXPECT_EQ(FloatText(2.5), "2,5") << name;
            break;
        }
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace
