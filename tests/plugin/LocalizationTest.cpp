// The localization file as the host experiences it: hints of the registered catalogue and
// the warning message box, for files of every shape put next to the main executable.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "plugin/LocalizationCases.h"
#include "plugin/Probe.h"

namespace ixtest {

// Names the case instead of dumping its bytes.
void PrintTo(const LocalizationCase& c, std::ostream* os) { *os << c.name; }

namespace {

class LocalizationTest : public ::testing::TestWithParam<LocalizationCase> {};

TEST_P(LocalizationTest, HintsAndWarnings) {
  const LocalizationCase& c = GetParam();
  ProbeFolder folder;
  if (c.file) folder.Write("ixCanvas.loc", *c.file);
  const std::vector<Registration> runs = folder.Run();
  ASSERT_EQ(runs.size(), 1u);
  ASSERT_EQ(runs[0].calls.size(), 121u);

  EXPECT_EQ(runs[0].messages, std::vector<std::string>(static_cast<std::size_t>(c.messages), kWarning));
  std::map<std::int32_t, std::string> expected = DefaultHints();
  for (const auto& [id, hint] : c.changedHints) expected[id] = hint;
  EXPECT_EQ(HintsSeen(runs[0]), expected);
}

INSTANTIATE_TEST_SUITE_P(Files, LocalizationTest, ::testing::ValuesIn(kLocalizationCases),
                         [](const ::testing::TestParamInfo<LocalizationCase>& info) {
                           std::string name;
                           for (const char* p = info.param.name; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return name;
                         });

TEST(LocalizationFile, AFolderInItsPlaceGivesTheDefaultsSilently) {
  ProbeFolder folder;
  std::filesystem::create_directory(folder.path() / "ixCanvas.loc");
  const std::vector<Registration> runs = folder.Run();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_TRUE(runs[0].messages.empty());
  EXPECT_EQ(HintsSeen(runs[0]), DefaultHints());
}

TEST(LocalizationFile, IsReadAfreshAndCheckedAtEveryRegistration) {
  ProbeFolder folder;
  folder.Write("ixCanvas.loc", Lines({kHeader[0], "002*before"}));
  folder.Write("step2.loc", Header() + "002*after\r\n");
  folder.Write("step3.loc", Lines({"002*short again"}));
  const std::vector<Registration> runs = folder.Run(3);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].messages.size(), 1u);
  EXPECT_EQ(HintsSeen(runs[0])[1], "before");
  EXPECT_TRUE(runs[1].messages.empty());
  EXPECT_EQ(HintsSeen(runs[1])[1], "after");
  EXPECT_EQ(runs[2].messages.size(), 1u);
  EXPECT_EQ(HintsSeen(runs[2])[1], "short again");
}

TEST(LocalizationFile, IsReadFromTheMainExecutablesFolderNotTheLibrarys) {
  // The probe's library stays in the build tree; only the probe's own folder counts.
  ProbeFolder folder;
  folder.Write("ixCanvas.loc", Header() + "002*next to the program\r\n");
  const std::vector<Registration> runs = folder.Run();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(HintsSeen(runs[0])[1], "next to the program");
}

}  // namespace
}  // namespace ixtest
