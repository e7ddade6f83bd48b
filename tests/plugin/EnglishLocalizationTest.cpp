// The English localization file shipped in loc/ replaces every action hint and passes the
// header check.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "plugin/LocalizationCases.h"
#include "plugin/Probe.h"

namespace ixtest {
namespace {

std::string ShippedEnglishFile() {
  const std::filesystem::path path = std::filesystem::path(IX_TEST_DATA).parent_path().parent_path() / "loc" / "ixCanvas.loc";
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(EnglishLocalization, ReplacesEveryHintWithoutAWarning) {
  ProbeFolder folder;
  const std::string file = ShippedEnglishFile();
  ASSERT_FALSE(file.empty());
  folder.Write("ixCanvas.loc", file);
  const std::vector<Registration> runs = folder.Run();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_TRUE(runs[0].messages.empty());
  const std::map<std::int32_t, std::string> defaults = DefaultHints();
  std::map<std::int32_t, std::string> seen = HintsSeen(runs[0]);
  ASSERT_EQ(seen.size(), 111u);
  for (const auto& [id, hint] : seen) {
    EXPECT_NE(hint, defaults.at(id)) << id;
    EXPECT_FALSE(hint.empty()) << id;
    for (char c : hint) EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x80) << id;
  }
  EXPECT_EQ(seen[30], "Artistic brush.");
  EXPECT_EQ(seen[36], seen[30]);
}

}  // namespace
}  // namespace ixtest
