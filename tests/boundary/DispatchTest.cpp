#include "plugin/Dispatch.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "boundary/HostString.h"

namespace ix::plugin {
namespace {

// What the fake functions saw: one record per call.
struct Seen {
  int calls = 0;
  actions::ActionParams params;
  std::size_t editorCount = 0;
};
Seen& Record() {
  static Seen seen;
  return seen;
}

bool ExecuteSucceeds(const actions::ActionParams& params) {
  ++Record().calls;
  Record().params = params;
  return true;
}
bool ExecuteFails(const actions::ActionParams&) {
  ++Record().calls;
  return false;
}
bool EditRenames(editors::EditorParams params) {
  ++Record().calls;
  Record().editorCount = params.size();
  boundary::SetHostString(params[params.size() - 1], "edited");
  return true;
}

std::vector<boundary::CatalogueRow> FakeCatalogue() {
  std::vector<boundary::CatalogueRow> rows(4);
  rows[0] = {0, "Category", {}, "", ""};
  rows[1] = {1, "ixOne", {1}, "001*", ""};
  rows[2] = {2, "ixThree", {1, 6, 5}, "002*", ""};
  rows[3] = {111, "ixLast", {6, 1}, "003*", ""};
  return rows;
}

class DispatchTest : public ::testing::Test {
 protected:
  void SetUp() override { Record() = {}; }

  const std::vector<actions::ExecuteRow> executeRows_ = {
      {2, &ExecuteSucceeds}, {111, &ExecuteFails}, {2, &ExecuteFails},  // the second row for 2 is ignored
      {0, &ExecuteSucceeds}, {112, &ExecuteSucceeds}, {50, &ExecuteSucceeds},  // no such catalogue rows
  };
  const std::vector<editors::EditorRow> editorRows_ = {{2, &EditRenames}};
  const DispatchTable table_{FakeCatalogue(), executeRows_, editorRows_};
};

TEST_F(DispatchTest, IdsOutOfRangeAnswerFalseAndCallNothing) {
  char* params[3] = {nullptr, nullptr, nullptr};
  for (std::int32_t id : {0, 112, -1, -2147483647 - 1, 2147483647, 50}) {
    EXPECT_FALSE(table_.Execute(id, params)) << id;
    EXPECT_FALSE(table_.Edit(id, params)) << id;
  }
  EXPECT_EQ(Record().calls, 0);
}

TEST_F(DispatchTest, RowsWithoutAFunctionAnswerFalse) {
  char* params[1] = {nullptr};
  EXPECT_FALSE(table_.Execute(1, params));  // catalogue row, no execute function
  EXPECT_FALSE(table_.Edit(1, params));     // and no editor
  EXPECT_FALSE(table_.Edit(111, params));
  EXPECT_EQ(Record().calls, 0);
}

TEST_F(DispatchTest, ExecuteGetsCopiesOfExactlyTheDeclaredElements) {
  // Exactly three elements on the heap: a read beyond them is an error under the sanitizers.
  auto params = std::make_unique<char*[]>(3);
  boundary::SetHostString(params[0], "Canvas1");
  params[1] = nullptr;
  boundary::SetHostString(params[2], "\xCF\xF0\xE8");
  char* const before = params[0];
  EXPECT_TRUE(table_.Execute(2, params.get()));
  EXPECT_EQ(Record().params, (actions::ActionParams{"Canvas1", "", "\xCF\xF0\xE8"}));
  EXPECT_EQ(params[0], before);  // the host's strings stay
  for (int i = 0; i < 3; ++i) boundary::FreeHostString(params[i]);
}

TEST_F(DispatchTest, ExecutePassesTheFunctionsResultOn) {
  char* params[2] = {nullptr, nullptr};
  EXPECT_FALSE(table_.Execute(111, params));
  EXPECT_EQ(Record().calls, 1);
}

TEST_F(DispatchTest, NullArrayReadsAsEmptyParameters) {
  EXPECT_TRUE(table_.Execute(2, nullptr));
  EXPECT_EQ(Record().params, (actions::ActionParams{"", "", ""}));
  EXPECT_FALSE(table_.Edit(2, nullptr));
}

TEST_F(DispatchTest, EditorReplacesTheHostsElements) {
  auto params = std::make_unique<char*[]>(3);
  boundary::SetHostString(params[2], "old");
  EXPECT_TRUE(table_.Edit(2, params.get()));
  EXPECT_EQ(Record().editorCount, 3u);
  EXPECT_STREQ(params[2], "edited");
  for (int i = 0; i < 3; ++i) boundary::FreeHostString(params[i]);
}

TEST(DispatchInstance, KnowsEveryCatalogueRowsParameterCount) {
  const DispatchTable& table = DispatchTable::Instance();
  EXPECT_EQ(table.row(0), nullptr);
  EXPECT_EQ(table.row(112), nullptr);
  ASSERT_NE(table.row(1), nullptr);
  EXPECT_EQ(table.row(1)->parameterCount, 1);
  EXPECT_EQ(table.row(38)->parameterCount, 7);
  EXPECT_EQ(table.row(94)->parameterCount, 6);
  EXPECT_EQ(table.row(111)->parameterCount, 2);
}

}  // namespace
}  // namespace ix::plugin
