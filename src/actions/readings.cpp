#include "actions/readings.h"

#include <cmath>
#include <cstdio>

namespace ix::actions {

namespace {

constexpr std::int64_t kMinInt32 = -2147483648LL;
constexpr std::int64_t kMaxInt32 = 2147483647LL;

// Characters 1 to 32: what a delimited string list treats as white space. A zero byte
// is never one of them; it ends the text.
bool IsListBlank(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads the digits of `text` in `base`; nothing when there are none, when anything else
// follows, or when the magnitude leaves the 32-bit range (checked at every digit, so a
// long text never overflows).
std::optional<std::int64_t> Magnitude(std::string_view text, int base)
{
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        const int digit = base == 16 ? HexValue(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (digit < 0) return std::nullopt;
        value = value * base + digit;
        if (value > kMaxInt32 + 1) return std::nullopt;
    }
    return value;
}

std::string_view TextBeforeZero(std::string_view text)
{
    const auto zero = text.find('\0');
    return zero == std::string_view::npos ? text : text.substr(0, zero);
}

} // namespace

bool HasNonDigit(std::string_view text)
{
    if (text.empty()) return true;
    for (char c : text)
        if (c < '0' || c > '9') return true;
    return false;
}

std::optional<std::int32_t> TryReadInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string_view rest = text.substr(i);
    int base = 10;
    if (rest.starts_with("0x") || rest.starts_with("0X")) {
        base = 16;
        rest.remove_prefix(2);
    } else if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
        base = 16;
        rest.remove_prefix(1);
    }
    const auto magnitude = Magnitude(rest, base);
    if (!magnitude) return std::nullopt;
    const std::int64_t value = negative ? -*magnitude : *magnitude;
    if (value < kMinInt32 || value > kMaxInt32) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t ReadInteger(std::string_view text)
{
    if (const auto value = TryReadInteger(text)) return *value;
    throw ReadingError("not an integer");
}

std::int32_t ReadIntegerOr(std::string_view text, std::int32_t fallback)
{
    return TryReadInteger(text).value_or(fallback);
}

std::vector<std::string> SplitDelimited(std::string_view text)
{
    text = TextBeforeZero(text);
    std::vector<std::string> items;
    std::size_t p = 0;
    auto skipBlanks = [&] {
        while (p < text.size() && IsListBlank(text[p])) ++p;
    };
    skipBlanks();
    while (p < text.size()) {
        std::string item;
        if (text[p] == '"') {
            ++p;
            while (p < text.size()) {
                if (text[p] == '"') {
                    if (p + 1 < text.size() && text[p + 1] == '"') {
                        item += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += text[p++];
            }
        } else {
            const std::size_t start = p;
            while (p < text.size() && !IsListBlank(text[p]) && text[p] != ',') ++p;
            item.assign(text.substr(start, p - start));
        }
        items.push_back(std::move(item));
        skipBlanks();
        if (p < text.size() && text[p] == ',') {
            ++p;
            if (p == text.size()) items.emplace_back();
            skipBlanks();
        }
    }
    return items;
}

std::optional<gfx::Color> TryReadColor(std::string_view text)
{
    const auto items = SplitDelimited(text);
    if (items.size() < 3) return std::nullopt;
    int component[3] = {};
    for (int i = 0; i < 3; ++i) {
        const auto value = TryReadInteger(items[static_cast<std::size_t>(i)]);
        if (!value) return std::nullopt;
        component[i] = *value & 0xFF;
    }
    return gfx::Color::FromRgb(component[0], component[1], component[2]);
}

gfx::Color ReadColor(std::string_view text)
{
    if (const auto color = TryReadColor(text)) return *color;
    throw ReadingError("not a colour");
}

std::optional<bool> ReadBoolean(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (lower == "true") return true;
    if (lower == "false") return false;
    return std::nullopt;
}

std::string IntegerText(std::int64_t value) { return std::to_string(value); }

std::string BooleanText(bool value) { return value ? "True" : "False"; }

std::string ColorText(gfx::Color color)
{
    return std::to_string(color.R()) + ',' + std::to_string(color.G()) + ',' + std::to_string(color.B());
}

std::string FloatText(double value, char separator)
{
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";

    // Fifteen significant digits, rounded by the C library, as d.dddddddddddddde±x.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    std::string digits;
    const char* p = buffer;
    for (; *p != '\0' && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits += *p;
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    const int count = static_cast<int>(digits.size());
    if (exponent >= 15 || exponent < -4) {
        text += digits[0];
        if (count > 1) {
            text += separator;
            text.append(digits, 1);
        }
        text += 'E';
        text += std::to_string(exponent);
    } else if (exponent < 0) {
        text += '0';
        text += separator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else if (count <= exponent + 1) {
        text += digits;
        text.append(static_cast<std::size_t>(exponent + 1 - count), '0');
    } else {
        text.append(digits, 0, static_cast<std::size_t>(exponent + 1));
        text += separator;
        text.append(digits, static_cast<std::size_t>(exponent + 1));
    }
    return text;
}

std::string FloatText(double value) { return FloatText(value, DecimalSeparator()); }

} // namespace ix::actions
