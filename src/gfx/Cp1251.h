#pragma once
// Windows-1251, the single-byte code page every text inside the plug-in is stored in,
// and its conversions to and from UTF-8 and UTF-16 (for fonts, file names, logs and Win32
// calls at the edges).
//
// Limits: byte 0x98, unassigned in the code page, maps to U+0098 so that every byte
// survives a round trip. Code points the code page cannot hold become '?'; malformed UTF-8
// (bad lead or continuation bytes, overlong forms, surrogates, values above U+10FFFF) and
// unpaired UTF-16 surrogates become one '?' per bad unit. Conversions never throw beyond
// std::bad_alloc and never read past the given view.

#include <optional>
#include <string>
#include <string_view>

namespace ix::gfx {

// The Unicode code point of one Windows-1251 byte.
char32_t Cp1251ToCodePoint(unsigned char byte);
// The byte that holds `codePoint`, or nothing when the code page has none.
std::optional<unsigned char> CodePointToCp1251(char32_t codePoint);

std::string Cp1251ToUtf8(std::string_view cp1251);
std::string Utf8ToCp1251(std::string_view utf8);
std::u16string Cp1251ToUtf16(std::string_view cp1251);
std::string Utf16ToCp1251(std::u16string_view utf16);

}  // namespace ix::gfx
