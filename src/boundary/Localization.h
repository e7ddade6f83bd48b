#pragma once
// The optional localization file "ixCanvas.loc" in the host program's folder, which
// replaces any text the author sees by key. A key is three digits and an asterisk
// ("002*"); an entry is a line starting with its key, its text the rest of the line, at
// most 255 characters. Texts are Windows-1251 bytes, passed through unchanged.
//
// Nothing is cached: every lookup opens and scans the file again, so an edit takes effect
// at the next lookup. A missing, unopenable or unreadable file gives the defaults without
// a word; lines may end in CR LF, LF or CR.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace ix::boundary {

inline constexpr std::string_view kLocalizationFileName = "ixCanvas.loc";
inline constexpr std::string_view kLocalizationWarning = "The ixCanvas.loc file is invalidly modified.";

std::filesystem::path LocalizationFilePath();

// The text of the first entry for `key`, or `defaultText` when there is none.
std::string LocalizedText(std::string_view key, std::string_view defaultText);

// The six header lines a valid file starts with.
std::array<std::string, 6> LocalizationHeader();

enum class HeaderCheck {
  NoFile,    // no readable file: nothing to check
  Valid,     // lines 1 to 6 equal the header, ignoring the case of ASCII letters
  Modified,  // a header line differs, or the file has fewer than six lines
};
HeaderCheck CheckLocalizationHeader();

}  // namespace ix::boundary
