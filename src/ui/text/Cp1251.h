// Windows-1251, the single-byte encoding every caption and host string is kept in, and
// its conversion to code points and UTF-8 at the edges (FreeType, file names, logs).
// Characters that Windows-1251 cannot hold become '?'; malformed UTF-8 likewise.
#pragma once

#include <string>
#include <string_view>

namespace ix::ui {

char32_t Cp1251ToCodePoint(unsigned char byte);
char CodePointToCp1251(char32_t c);
std::u32string Cp1251ToUtf32(std::string_view text);
std::string Cp1251ToUtf8(std::string_view text);
std::string Utf8ToCp1251(std::string_view text);

} // namespace ix::ui
