// The catalogue as the host receives it through qlRegisterPlugIn, with no localization
// file: every call of AddActionProc byte for byte, in order.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "plugin/ExpectedCatalogue.h"
#include "plugin/FakeHost.h"
#include "plugin/Probe.h"

namespace ixtest {
namespace {

class CatalogueTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ProbeFolder folder;
    const std::vector<Registration> runs = folder.Run();
    ASSERT_EQ(runs.size(), 1u);
    registration_ = runs[0];
  }
  static void TearDownTestSuite() {
    registration_.reset();
  }
  static const Registration& Seen() { return *registration_; }

 private:
  static std::optional<Registration> registration_;
};
std::optional<Registration> CatalogueTest::registration_;

TEST_F(CatalogueTest, EveryCallMatchesTheCatalogueByteForByte) {
  const std::vector<ExpectedRow> expected = ExpectedRows();
  ASSERT_EQ(Seen().calls.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(Seen().calls[i], ExpectedCall(expected[i])) << "call " << i << ": " << expected[i].name;
  }
}

TEST_F(CatalogueTest, HasTenCategoriesAndTheActionsOneToOneHundredElevenInOrder) {
  ASSERT_EQ(Seen().calls.size(), 121u);
  std::vector<std::int32_t> actionIds;
  int categories = 0;
  for (const AddActionCall& call : Seen().calls) {
    if (call.id == 0) {
      ++categories;
    } else {
      actionIds.push_back(call.id);
    }
  }
  EXPECT_EQ(categories, 10);
  ASSERT_EQ(actionIds.size(), 111u);
  for (std::size_t i = 0; i < actionIds.size(); ++i) EXPECT_EQ(actionIds[i], static_cast<std::int32_t>(i + 1));
}

TEST_F(CatalogueTest, OpensWithTwoCategoryRows) {
  ASSERT_GE(Seen().calls.size(), 3u);
  EXPECT_EQ(Seen().calls[0].id, 0);
  EXPECT_EQ(Seen().calls[0].name, "ixCanvas");
  EXPECT_EQ(Seen().calls[1].id, 0);
  EXPECT_EQ(Seen().calls[1].name, "Create \\ Properties");
  EXPECT_EQ(Seen().calls[2].name, "ixCanvasCreate");
}

TEST_F(CatalogueTest, ShowsNoMessageWithoutALocalizationFile) { EXPECT_TRUE(Seen().messages.empty()); }

TEST_F(CatalogueTest, IrregularNamesAreKept) {
  std::vector<std::string> names;
  for (const AddActionCall& call : Seen().calls) names.push_back(call.name);
  for (const char* name : {"ixCanvasBrushTParent", "ixSelectEllips", "ixSelectGradTparent", "ixCanvasBrushSate"}) {
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
  }
}

}  // namespace
}  // namespace ixtest
