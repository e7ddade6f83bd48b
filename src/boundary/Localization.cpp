#include "boundary/Localization.h"

#include <cstddef>
#include <system_error>

#include "boundary/LineReader.h"
#include "boundary/Maker.h"
#include "boundary/ProgramFolder.h"

namespace ix::boundary {
namespace {

constexpr std::size_t kKeyLength = 4;
constexpr std::size_t kMaxTextLength = 255;
// Longer than any header line, so a cut line can never pass for one.
constexpr std::size_t kHeaderKeep = 1024;

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

// A regular file we may try to read; anything else (absent, a folder, no access to its
// folder) counts as no file.
bool LocalizationFileExists(const std::filesystem::path& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

std::string HeaderLine(std::string_view text) {
  std::string line = "**  ";
  line += text;
  return line;
}

}  // namespace

std::filesystem::path LocalizationFilePath() {
  std::filesystem::path folder = ProgramFolder();
  if (folder.empty()) return {};
  return folder / kLocalizationFileName;
}

std::string LocalizedText(std::string_view key, std::string_view defaultText) {
  const std::filesystem::path path = LocalizationFilePath();
  if (!LocalizationFileExists(path)) return std::string(defaultText);
  LineReader reader(path);
  if (!reader.isOpen()) return std::string(defaultText);
  std::string line;
  while (reader.Next(line, kKeyLength + kMaxTextLength)) {
    if (line.size() >= kKeyLength && EqualIgnoringAsciiCase(std::string_view(line).substr(0, kKeyLength), key)) {
      return line.substr(kKeyLength);
    }
  }
  return std::string(defaultText);
}

std::array<std::string, 6> LocalizationHeader() {
  return {
      HeaderLine("DO NOT CHANGE THIS TEXT ! ! !"),
      HeaderLine("The localization file for the ixCanvas v2.0  plugin."),
      HeaderLine("To use the file - put the file with the translation of the lines in the root "
                 "folder of the program Quillary."),
      HeaderLine(kMakerCredit),
      HeaderLine(kMakerWeb),
      HeaderLine(kMakerMail),
  };
}

HeaderCheck CheckLocalizationHeader() {
  const std::filesystem::path path = LocalizationFilePath();
  if (!LocalizationFileExists(path)) return HeaderCheck::NoFile;
  LineReader reader(path);
  if (!reader.isOpen()) return HeaderCheck::NoFile;
  const std::array<std::string, 6> header = LocalizationHeader();
  std::string line;
  for (const std::string& expected : header) {
    if (!reader.Next(line, kHeaderKeep)) {
      return reader.failed() ? HeaderCheck::NoFile : HeaderCheck::Modified;
    }
    if (!EqualIgnoringAsciiCase(line, expected)) return HeaderCheck::Modified;
  }
  return HeaderCheck::Valid;
}

}  // namespace ix::boundary
