#pragma once
// Localization files of every shape and what a host must see for each: the hints of the
// registered catalogue and the warning message boxes. Shared by the Linux black-box tests
// and the Windows test executable.

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "plugin/ExpectedCatalogue.h"
#include "plugin/FakeHost.h"

namespace ixtest {

inline const char* const kHeader[6] = {
    "**  DO NOT CHANGE THIS TEXT ! ! !",
    "**  The localization file for the ixCanvas v2.0  plugin.",
    "**  To use the file - put the file with the translation of the lines in the root folder of the program Quillary.",
    "**  The ixCanvas developers",
    "**  https://ixcanvas.example.org/",
    "**  ixcanvas@example.org",
};
inline const std::string kWarning = "The ixCanvas.loc file is invalidly modified.";

inline std::string Lines(std::initializer_list<std::string> lines, const char* eol = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + eol;
  return text;
}

inline std::string Header(const char* eol = "\r\n") {
  std::string text;
  for (const char* line : kHeader) text += std::string(line) + eol;
  return text;
}

// The hints the host should see: defaults, with some rows overridden.
inline std::map<std::int32_t, std::string> DefaultHints() {
  std::map<std::int32_t, std::string> hints;
  for (const ExpectedRow& row : ExpectedRows()) {
    if (row.id != 0) hints[row.id] = ToCp1251(row.hint);
  }
  return hints;
}

inline std::map<std::int32_t, std::string> HintsSeen(const Registration& registration) {
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

inline const LocalizationCase kLocalizationCases[] = {
    {"no file", std::nullopt, 0, {}},
    {"valid header, one entry", Header() + "002*Create a canvas\r\n", 0, {{1, "Create a canvas"}}},
    {"header line in other letter case",
     Lines({"**  do not change THIS text ! ! !"}) + Header().substr(Header().find("\r\n") + 2) + "002*x\r\n", 0,
     {{1, "x"}}},
    {"our credit line differs", Lines({kHeader[0], kHeader[1], kHeader[2], "**  someone else", kHeader[4], kHeader[5]}),
     1, {}},
    {"duplicate key: the first wins", Header() + "002*first\r\n002*second\r\n", 0, {{1, "first"}}},
    {"bare key gives empty text", Header() + "003*\r\n", 0, {{2, ""}}},
    {"300 characters give the first 255", Header() + "007*" + std::string(300, 'w') + "\r\n", 0, {{3, std::string(255, 'w')}}},
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

}  // namespace ixtest
