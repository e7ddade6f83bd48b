// Text helpers of the host. Everything the host keeps (script words, variables, names) is
// Windows-1251, as the plug-in wants it; UTF-8 appears only when a script is read and when
// the host prints or names a file on Linux.
//
// Limits: names are compared ignoring the case of the ASCII letters only, as authors of
// Russian publications keep the case of Cyrillic names exactly.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ix::host {

// The script text converted to Windows-1251, or nothing when it holds a character the code
// page has no byte for (or is not valid UTF-8).
std::optional<std::string> ScriptTextToCp1251(std::string_view utf8);
// For messages, logs and Linux file names.
std::string ToUtf8(std::string_view cp1251);

char AsciiUpper(char c);
std::string AsciiUpper(std::string_view text);
bool SameName(std::string_view a, std::string_view b);

// Orders names as SameName compares them, for maps keyed by name.
struct NameLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

// Strict decimal integer with an optional sign; nothing else may follow.
std::optional<long long> ParseInteger(std::string_view text);

} // namespace ix::host
