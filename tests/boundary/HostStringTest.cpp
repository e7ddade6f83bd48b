#include "boundary/HostString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace ix::boundary {
namespace {

TEST(HostString, SetStoresTheTextWithItsTerminator) {
  char* variable = nullptr;
  ASSERT_TRUE(SetHostString(variable, "\xCF\xF0\xE8"));
  ASSERT_NE(variable, nullptr);
  EXPECT_EQ(std::memcmp(variable, "\xCF\xF0\xE8", 4), 0);
  FreeHostString(variable);
}

TEST(HostString, SetReplacesWhatTheVariableHeld) {
  char* variable = nullptr;
  ASSERT_TRUE(SetHostString(variable, "a fairly long first text"));
  ASSERT_TRUE(SetHostString(variable, "b"));
  // The old block is freed by SetHostString; the leak checker of the sanitizer build
  // reports it otherwise.
  EXPECT_STREQ(variable, "b");
  FreeHostString(variable);
}

TEST(HostString, EmptyTextIsAnEmptyStringNotNull) {
  char* variable = nullptr;
  ASSERT_TRUE(SetHostString(variable, ""));
  ASSERT_NE(variable, nullptr);
  EXPECT_EQ(variable[0], '\0');
  FreeHostString(variable);
}

TEST(HostString, EmbeddedNulIsCopiedButEndsTheVisibleText) {
  char* variable = nullptr;
  ASSERT_TRUE(SetHostString(variable, std::string("ab\0cd", 5)));
  EXPECT_EQ(std::memcmp(variable, "ab\0cd\0", 6), 0);
  EXPECT_EQ(HostStringText(variable), "ab");
  FreeHostString(variable);
}

TEST(HostString, FreeSetsToNullAndIgnoresNull) {
  char* variable = nullptr;
  FreeHostString(variable);
  EXPECT_EQ(variable, nullptr);
  ASSERT_TRUE(SetHostString(variable, "x"));
  FreeHostString(variable);
  EXPECT_EQ(variable, nullptr);
}

TEST(HostString, NullReadsAsEmptyText) { EXPECT_EQ(HostStringText(nullptr), ""); }

TEST(HostString, ScopedStringFreesWhatTheHostLeftInIt) {
  ScopedHostString scoped("request");
  EXPECT_EQ(scoped.text(), "request");
  // A host answering a request replaces the block with one of its own.
  SetHostString(scoped.variable(), "answer of the host");
  EXPECT_EQ(scoped.text(), "answer of the host");
}

}  // namespace
}  // namespace ix::boundary
