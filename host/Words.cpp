#include "host/Words.h"

#include "host/ScriptError.h"
#include "host/Text.h"

#include <vector>

namespace ix::host {
namespace {

std::vector<std::string> SplitCommas(const std::string& word)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t comma = word.find(',', start);
        parts.push_back(word.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) return parts;
        start = comma + 1;
    }
}

} // namespace

int ReadInt(const std::string& word, int line, long long min, long long max)
{
    std::optional<long long> v = ParseInteger(word);
    if (!v || *v < min || *v > max) {
        throw ScriptError(line, "`" + ToUtf8(word) + "` is not a whole number from " + std::to_string(min) + " to " +
                                    std::to_string(max));
    }
    return static_cast<int>(*v);
}

Point ReadPoint(const std::string& word, int line)
{
    std::vector<std::string> parts = SplitCommas(word);
    if (parts.size() != 2) throw ScriptError(line, "`" + ToUtf8(word) + "` is not a point x,y");
    constexpr long long kLimit = 1 << 20;
    return {ReadInt(parts[0], line, -kLimit, kLimit), ReadInt(parts[1], line, -kLimit, kLimit)};
}

bool IsButtonWord(const std::string& word)
{
    return SameName(word, "left") || SameName(word, "right") || SameName(word, "middle");
}

MouseButton ReadButton(const std::string& word, int line)
{
    if (SameName(word, "left")) return MouseButton::Left;
    if (SameName(word, "right")) return MouseButton::Right;
    if (SameName(word, "middle")) return MouseButton::Middle;
    throw ScriptError(line, "`" + ToUtf8(word) + "` is not a mouse button (left, right, middle)");
}

std::array<std::uint8_t, 4> ReadColor(const std::string& word, int line)
{
    std::vector<std::string> parts = SplitCommas(word);
    if (parts.size() != 3 && parts.size() != 4) throw ScriptError(line, "`" + ToUtf8(word) + "` is not a colour r,g,b");
    std::array<std::uint8_t, 4> c = {0, 0, 0, 255};
    for (std::size_t i = 0; i < parts.size(); ++i) c[i] = static_cast<std::uint8_t>(ReadInt(parts[i], line, 0, 255));
    return c;
}

bool ReadFlag(const std::string& word, int line)
{
    if (SameName(word, "yes") || SameName(word, "true")) return true;
    if (SameName(word, "no") || SameName(word, "false")) return false;
    throw ScriptError(line, "`" + ToUtf8(word) + "` is not yes or no");
}

} // namespace ix::host
