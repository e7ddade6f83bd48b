#include "gfx/Cp1251.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace ix::gfx {
namespace {

// Code points of bytes 0x80 to 0xFF; bytes below 0x80 are ASCII.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

constexpr char kReplacement = '?';

// The high half sorted by code point, for the reverse lookup.
using ReverseEntry = std::pair<char16_t, unsigned char>;
constexpr std::array<ReverseEntry, 128> SortedHighHalf() {
  std::array<ReverseEntry, 128> table{};
  for (std::size_t i = 0; i < table.size(); ++i) {
    table[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
  }
  std::sort(table.begin(), table.end());
  return table;
}
constexpr std::array<ReverseEntry, 128> kReverse = SortedHighHalf();

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void AppendCp1251(std::string& out, char32_t cp) {
  std::optional<unsigned char> byte = CodePointToCp1251(cp);
  out += byte ? static_cast<char>(*byte) : kReplacement;
}

// Decodes one UTF-8 sequence at `pos`; returns the code point, or nothing for a
// malformed one. `pos` always advances by at least one byte.
std::optional<char32_t> DecodeUtf8(std::string_view in, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(in[pos++]);
  if (lead < 0x80) return lead;
  int length = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 1, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 2, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 3, cp = lead & 0x07, minimum = 0x10000;
  } else {
    return std::nullopt;
  }
  for (int i = 0; i < length; ++i) {
    if (pos >= in.size()) return std::nullopt;
    const auto next = static_cast<unsigned char>(in[pos]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (next & 0x3F);
    ++pos;
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  return cp;
}

}  // namespace

char32_t Cp1251ToCodePoint(unsigned char byte) {
  return byte < 0x80 ? char32_t{byte} : char32_t{kHighHalf[byte - 0x80]};
}

std::optional<unsigned char> CodePointToCp1251(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<unsigned char>(codePoint);
  if (codePoint > 0xFFFF) return std::nullopt;
  const auto wanted = static_cast<char16_t>(codePoint);
  const auto* it = std::lower_bound(kReverse.begin(), kReverse.end(), wanted,
                                    [](const ReverseEntry& e, char16_t v) { return e.first < v; });
  if (it == kReverse.end() || it->first != wanted) return std::nullopt;
  return it->second;
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
  std::string out;
  out.reserve(cp1251.size() * 2);
  for (char c : cp1251) AppendUtf8(out, Cp1251ToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    std::optional<char32_t> cp = DecodeUtf8(utf8, pos);
    if (cp) {
      AppendCp1251(out, *cp);
    } else {
      out += kReplacement;
    }
  }
  return out;
}

std::u16string Cp1251ToUtf16(std::string_view cp1251) {
  std::u16string out;
  out.reserve(cp1251.size());
  for (char c : cp1251) {
    out += static_cast<char16_t>(Cp1251ToCodePoint(static_cast<unsigned char>(c)));
  }
  return out;
}

std::string Utf16ToCp1251(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    const char16_t unit = utf16[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      ++i;  // a valid pair: a code point beyond the code page
      out += kReplacement;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      out += kReplacement;
    } else {
      AppendCp1251(out, unit);
    }
  }
  return out;
}

}  // namespace ix::gfx
