// The localization file as the host experiences it: hints of the registered catalogue and
// the warning message box, for files of every shape put next to the main executable.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "plugin/ExpectedCatalogue.h"
#include "plugin/FakeHost.h"
#include "plugin/Probe.h"

namespace ixtest {
namespace {

const char* const kHeader[6] = {
    "**  DO NOT CHANGE THIS TEXT ! ! !",
    "**  The localization file for the ixCanvas v2.0  plugin.",
    "**  To use the file - put the file with the translation of the lines in the root folder of the program Quillary.",
    "**  The ixCanvas developers",
    "**  https://ixcanvas.example.org/",
    "**  ixcanvas@example.org",
};
const std::string kWarning = "The ixCanvas.loc file is invalidly modified.";

std::string Lines(std::initializer_list<std::string> lines, const char* eol = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + eol;
  return text;
}

std::string Header(const char* eol = "\r\n") {
  std::string text;
  for (const char* line : kHeader) text += std::string(line) + eol;
  return text;
}

// The hints the host should see: defaults, with some rows overridden.
std::map<std::int32_t, std::string> DefaultHints() {
  std::map<std::int32_t, std::string> hints;
  for (const ExpectedRow& row : ExpectedRows()) {
    if (row.id != 0) hints[row.id] = ToCp1251(row.hint);
  }
  return hints;
}

std::map<std::int32_t, std::string> HintsSeen(const Registration& registration) {
  std::map<std::int32_t, std::string> hints;
  for (const AddActionCall& call : registration.calls) {
    if (call.id != 0) hints[call.id] = call.hint;
  }
  return hints;
}

struct LocalizationCase {
  const char* name;
  std::optional<std::string> file;  // nothing: no file at all
  int messages;
  std::map<std::int32_t, std::string> changedHints;
};

void PrintTo(const LocalizationCase& c, std::ostream* os) { *os << c.name; }

const std::string k300(300, 'w');

const LocalizationCase kCases[] = {
    {"no file", std::nullopt, 0, {}},
    {"valid header, one entry", Header() + "002*Create a canvas\r\n", 0, {{1, "Create a canvas"}}},
    {"header line in other letter case",
     Lines({"**  do not change THIS text ! ! !"}) + Header().substr(Header().find("\r\n") + 2) + "002*x\r\n", 0,
     {{1, "x"}}},
    {"our credit line differs", Lines({kHeader[0], kHeader[1], kHeader[2], "**  someone else", kHeader[4], kHeader[5]}),
     1, {}},
    {"duplicate key: the first wins", Header() + "002*first\r\n002*second\r\n", 0, {{1, "first"}}},
    {"bare key gives empty text", Header() + "003*\r\n", 0, {{2, ""}}},
    {"300 characters give the first 255", Header() + "007*" + k300 + "\r\n", 0, {{3, std::string(255, 'w')}}},
    {"three lines warn once and still count", Lines({kHeader[0], kHeader[1], "002*short file"}), 1,
     {{1, "short file"}}},
    {"key 114* changes seven hints", Header() + "114*Artistic brush\r\n", 0,
     {{30, "Artistic brush"}, {31, "Artistic brush"}, {32, "Artistic brush"}, {33, "Artistic brush"},
      {34, "Artistic brush"}, {35, "Artistic brush"}, {36, "Artistic brush"}}},
    {"lines ending in LF alone", Header("\n") + "009*centre\n", 0, {{4, "centre"}}},
    {"no final line break", Header() + "012*last", 0, {{5, "last"}}},
    {"NUL byte ends the text the host sees", Header() + std::string("015*ab\0cd\r\n", 11), 0, {{6, "ab"}}},
    {"Windows-1251 text passes unchanged", Header() + "019*\xCB\xE8\xED\xE5\xE9\xEA\xE0\r\n", 0,
     {{7, "\xCB\xE8\xED\xE5\xE9\xEA\xE0"}}},
    {"entry after a 1 MB line", Header() + std::string(1'000'000, 'z') + "\r\n023*found\r\n", 0, {{8, "found"}}},
    {"empty file warns", std::string(), 1, {}},
    {"lines that are not entries are ignored", Header() + "\r\n; 002*comment\r\n00*\r\n02*x\r\n", 0, {}},
};

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

INSTANTIATE_TEST_SUITE_P(Files, LocalizationTest, ::testing::ValuesIn(kCases),
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
