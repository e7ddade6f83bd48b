// WideText: Windows-1251 captions to the UTF-16 the wide Windows API takes, and back.
//
// Every Windows-1251 byte has a code point in the Basic Multilingual Plane, so the way in
// is exact. The way back turns characters that Windows-1251 cannot hold (and surrogates)
// into '?', as the toolkit does everywhere else.
#pragma once

#include <string>
#include <string_view>

namespace ix::ui::win32 {

std::wstring WideFromCp1251(std::string_view text);
std::string Cp1251FromWide(std::wstring_view text);
// A "description|patterns|..." filter as the file dialogs take it: every '|' becomes a
// NUL and the list ends with two NULs.
std::wstring FilterList(std::string_view filter);

} // namespace ix::ui::win32
