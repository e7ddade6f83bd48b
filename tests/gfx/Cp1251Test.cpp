#include "gfx/Cp1251.h"

#include <gtest/gtest.h>

#include <string>

namespace ix::gfx {
namespace {

std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

TEST(Cp1251, EveryByteSurvivesARoundTripThroughUtf8AndUtf16) {
  const std::string bytes = AllBytes();
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(bytes)), bytes);
  EXPECT_EQ(Utf16ToCp1251(Cp1251ToUtf16(bytes)), bytes);
}

TEST(Cp1251, DistinctBytesHaveDistinctCodePoints) {
  for (int a = 0; a < 256; ++a) {
    const char32_t cp = Cp1251ToCodePoint(static_cast<unsigned char>(a));
    ASSERT_EQ(CodePointToCp1251(cp), static_cast<unsigned char>(a)) << "byte " << a;
  }
}

struct Sample {
  const char* utf8;
  const char* cp1251;
};

class Cp1251Samples : public ::testing::TestWithParam<Sample> {};

TEST_P(Cp1251Samples, ConvertBothWays) {
  EXPECT_EQ(Utf8ToCp1251(GetParam().utf8), GetParam().cp1251);
  EXPECT_EQ(Cp1251ToUtf8(GetParam().cp1251), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Texts, Cp1251Samples,
                         ::testing::Values(Sample{"", ""}, Sample{"ixCanvas 2.0", "ixCanvas 2.0"},
                                           Sample{"Привет", "\xCF\xF0\xE8\xE2\xE5\xF2"},
                                           Sample{"АЯая", "\xC0\xDF\xE0\xFF"},
                                           Sample{"Ёё№", "\xA8\xB8\xB9"},
                                           Sample{"€‚„…—™", "\x88\x82\x84\x85\x97\x99"},
                                           Sample{"ЂЏђџЎўЈҐґ", "\x80\x8F\x90\x9F\xA1\xA2\xA3\xA5\xB4"},
                                           Sample{"«\u00A0»", "\xAB\xA0\xBB"}));

struct BadUtf8 {
  std::string utf8;
  std::string cp1251;
};

class Cp1251Unmappable : public ::testing::TestWithParam<BadUtf8> {};

TEST_P(Cp1251Unmappable, BecomesQuestionMarks) { EXPECT_EQ(Utf8ToCp1251(GetParam().utf8), GetParam().cp1251); }

INSTANTIATE_TEST_SUITE_P(
    Inputs, Cp1251Unmappable,
    ::testing::Values(BadUtf8{"日本", "??"},                 // no such characters in the code page
                      BadUtf8{"a\xF0\x9F\x98\x80z", "a?z"},  // beyond the basic plane
                      BadUtf8{"\x80", "?"},                  // stray continuation byte
                      BadUtf8{"\xD0", "?"},                  // cut off at the end
                      BadUtf8{"\xD0" "A", "?A"},             // cut off by the next character
                      BadUtf8{"\xC0\xAF", "?"},              // overlong form of '/'
                      BadUtf8{"\xED\xA0\x80", "?"},          // an encoded surrogate
                      BadUtf8{"\xF4\x90\x80\x80", "?"},      // above U+10FFFF
                      BadUtf8{"\xFF\xFE", "??"},             // never valid lead bytes
                      BadUtf8{std::string("a\0b", 3), std::string("a\0b", 3)}));

TEST(Cp1251, Utf16PairsAndLoneSurrogatesBecomeOneQuestionMarkEach) {
  EXPECT_EQ(Utf16ToCp1251(u"x\U0001F600y"), "x?y");
  EXPECT_EQ(Utf16ToCp1251(std::u16string{u'a', char16_t{0xD800}, u'b', char16_t{0xDC00}}), "a?b?");
  EXPECT_EQ(Utf16ToCp1251(u"Дом"), "\xC4\xEE\xEC");
}

}  // namespace
}  // namespace ix::gfx
