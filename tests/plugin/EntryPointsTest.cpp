// The entry points other than registration, called in-process like a host would.

#include <ixcanvas/plugin.h>

#include <gtest/gtest.h>

#include <malloc.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Counts every call the plug-in makes back into the host.
int& HostCalls() {
  static int calls = 0;
  return calls;
}
void IX_HOSTCALL CountSetVar(const char*, const char*) { ++HostCalls(); }
void IX_HOSTCALL CountScript(const char*) { ++HostCalls(); }
IxBool IX_HOSTCALL CountAccess(int32_t, char**) {
  ++HostCalls();
  return 0;
}

char* HostString(const char* text) {
  char* block = static_cast<char*>(std::malloc(std::strlen(text) + 1));
  std::strcpy(block, text);
  return block;
}

class EntryPointsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HostCalls() = 0;
    // No AddActionProc: the callbacks are stored, the catalogue goes nowhere.
    qlRegisterPlugIn(nullptr, nullptr, nullptr, &CountSetVar);
    qlRegisterScriptProcessor(&CountScript);
    qlRegisterInterfaceAccess(&CountAccess);
  }
  void TearDown() override {
    qlRegisterPlugIn(nullptr, nullptr, nullptr, nullptr);
    qlRegisterScriptProcessor(nullptr);
    qlRegisterInterfaceAccess(nullptr);
  }
};

TEST_F(EntryPointsTest, InitSetsTheThreeTexts) {
  char* title = nullptr;
  char* publisher = nullptr;
  char* hint = nullptr;
  qlInitPlugIn(4242, &title, &publisher, &hint);
  ASSERT_NE(title, nullptr);
  ASSERT_NE(publisher, nullptr);
  ASSERT_NE(hint, nullptr);
  EXPECT_STREQ(title, "ixCanvas 2.0");
  EXPECT_STREQ(publisher, "The ixCanvas developers");
  EXPECT_STREQ(hint, "Drawing in Quillary projects");
  std::free(title);
  std::free(publisher);
  std::free(hint);
}

TEST_F(EntryPointsTest, InitFreesWhatTheVariablesHeld) {
  // Blocks this large come from their own mappings, so their release shows in the
  // allocator's count of mapped bytes. (Under the sanitizers the leak checker does the job.)
  constexpr std::size_t kBlock = 4 << 20;
  char* title = static_cast<char*>(std::malloc(kBlock));
  char* publisher = static_cast<char*>(std::malloc(kBlock));
  char* hint = static_cast<char*>(std::malloc(kBlock));
  ASSERT_TRUE(title && publisher && hint);
  title[0] = publisher[0] = hint[0] = '\0';
  char* const oldTitle = title;
  const std::size_t mappedBefore = mallinfo2().hblkhd;
  qlInitPlugIn(0, &title, &publisher, &hint);
  const std::size_t mappedAfter = mallinfo2().hblkhd;
  EXPECT_NE(title, oldTitle);
  EXPECT_STREQ(title, "ixCanvas 2.0");
#if !defined(__SANITIZE_ADDRESS__)
  EXPECT_GE(mappedBefore - mappedAfter, 3 * kBlock);
#else
  (void)mappedBefore, (void)mappedAfter;
#endif
  std::free(title);
  std::free(publisher);
  std::free(hint);
}

TEST_F(EntryPointsTest, InitToleratesMissingVariables) {
  char* hint = nullptr;
  qlInitPlugIn(1, nullptr, nullptr, &hint);
  EXPECT_STREQ(hint, "Drawing in Quillary projects");
  std::free(hint);
}

TEST_F(EntryPointsTest, IdsOutOfRangeAnswerFalseAndTouchNothing) {
  char* params[7];
  for (char*& p : params) p = HostString("untouched");
  char* copies[7];
  std::memcpy(copies, params, sizeof params);
  for (int32_t id : {0, 112, 113, -1, INT_MIN, INT_MAX}) {
    EXPECT_EQ(qlExecAction(id, params), 0) << id;
    EXPECT_EQ(qlEditAction(id, params), 0) << id;
  }
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(params[i], copies[i]);
    EXPECT_STREQ(params[i], "untouched");
    std::free(params[i]);
  }
  EXPECT_EQ(HostCalls(), 0);
}

TEST_F(EntryPointsTest, NullParameterElementsAreSafe) {
  // Every id with an array of nulls as long as the longest row: answers are 0 or 1, nothing
  // is written back for a cancelled editor, and no call fails.
  for (int32_t id = 1; id <= 111; ++id) {
    char* params[7] = {};
    const IxBool result = qlExecAction(id, params);
    EXPECT_TRUE(result == 0 || result == 1) << id;
  }
  char* params[1] = {nullptr};
  EXPECT_EQ(qlExecAction(1, params), 0);  // no canvas can be made from an empty name
  EXPECT_EQ(params[0], nullptr);
}

TEST_F(EntryPointsTest, CloseAllTwiceAndOtherMessagesDoNothing) {
  qlMessage(2, 0, 0);
  qlMessage(2, 0, 0);
  for (int32_t code : {0, 1, 3, 100, -2}) qlMessage(code, 7, 7);
  EXPECT_EQ(HostCalls(), 0);
  // The library still answers as before.
  char* title = nullptr;
  qlInitPlugIn(0, &title, nullptr, nullptr);
  EXPECT_STREQ(title, "ixCanvas 2.0");
  std::free(title);
}

}  // namespace
