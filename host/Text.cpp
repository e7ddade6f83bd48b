#include "host/Text.h"

#include "gfx/Cp1251.h"

#include <algorithm>
#include <charconv>

namespace ix::host {

std::optional<std::string> ScriptTextToCp1251(std::string_view utf8)
{
    // The conversion turns every character it cannot hold into '?': a round trip that does
    // not give the text back shows such a character.
    std::string cp1251 = gfx::Utf8ToCp1251(utf8);
    if (gfx::Cp1251ToUtf8(cp1251) != utf8) return std::nullopt;
    return cp1251;
}

std::string ToUtf8(std::string_view cp1251) { return gfx::Cp1251ToUtf8(cp1251); }

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string AsciiUpper(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = AsciiUpper(c);
    return out;
}

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

bool NameLess::operator()(std::string_view a, std::string_view b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(AsciiUpper(x)) < static_cast<unsigned char>(AsciiUpper(y));
    });
}

std::optional<long long> ParseInteger(std::string_view text)
{
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

} // namespace ix::host
