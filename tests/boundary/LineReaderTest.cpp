#include "boundary/LineReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ix::boundary {
namespace {

class LineReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("ixlinereader-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path Write(const std::string& bytes) {
    const std::filesystem::path path = folder_ / "lines.txt";
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  static std::vector<std::string> ReadAll(const std::filesystem::path& path, std::size_t keep = 1000) {
    LineReader reader(path);
    std::vector<std::string> lines;
    std::string line;
    while (reader.Next(line, keep)) lines.push_back(line);
    return lines;
  }

  std::filesystem::path folder_;
};

struct LinesCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

TEST_F(LineReaderTest, SplitsAtEveryKindOfLineBreak) {
  const LinesCase cases[] = {
      {"empty file", "", {}},
      {"CR LF", "a\r\nb\r\n", {"a", "b"}},
      {"LF alone", "a\nb\n", {"a", "b"}},
      {"CR alone", "a\rb\r", {"a", "b"}},
      {"no final break", "a\r\nb", {"a", "b"}},
      {"blank lines", "\r\n\n\r\nx", {"", "", "", "x"}},
      {"LF CR is two breaks", "a\n\rb", {"a", "", "b"}},
      {"NUL bytes", std::string("a\0b\r\n\0", 6), {std::string("a\0b", 3), std::string("\0", 1)}},
  };
  for (const LinesCase& c : cases) {
    EXPECT_EQ(ReadAll(Write(c.bytes)), c.lines) << c.name;
  }
}

TEST_F(LineReaderTest, KeepsOnlyThePrefixOfAVeryLongLine) {
  std::string bytes(5'000'000, 'x');
  bytes += "\r\nnext";
  EXPECT_EQ(ReadAll(Write(bytes), 259), (std::vector<std::string>{std::string(259, 'x'), "next"}));
}

TEST_F(LineReaderTest, CrLfSplitAcrossTheReadBufferIsOneBreak) {
  // The buffer holds 16 KiB: put the CR last in the first fill and the LF first in the next.
  for (std::size_t length : {16383u, 16382u, 16384u}) {
    std::string bytes(length, 'y');
    bytes += "\r\nz";
    const std::vector<std::string> lines = ReadAll(Write(bytes), 20'000);
    ASSERT_EQ(lines.size(), 2u) << length;
    EXPECT_EQ(lines[0].size(), length);
    EXPECT_EQ(lines[1], "z");
  }
}

TEST_F(LineReaderTest, MissingFileAndFolderGiveNoLines) {
  LineReader missing(folder_ / "absent.txt");
  EXPECT_FALSE(missing.isOpen());
  std::string line;
  EXPECT_FALSE(missing.Next(line, 10));

  LineReader folder(folder_);
  EXPECT_FALSE(folder.Next(line, 10));
  EXPECT_TRUE(!folder.isOpen() || folder.failed());
}

}  // namespace
}  // namespace ix::boundary
