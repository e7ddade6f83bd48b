// readings: the text conversions every script action and canvas event uses.
//
// Parameters and canvas settings travel as Windows-1251 text and are parsed each time
// they are used; values go back to the host as text. This header offers:
//
// - HasNonDigit: the "digits only" test (no sign, no blanks, not empty);
// - the strict integer reading (ReadInteger / TryReadInteger): optional leading blanks,
//   an optional sign, then decimal digits, or hexadecimal digits after "$", "x", "X",
//   "0x" or "0X"; nothing may follow and the value must lie in the 32-bit signed range.
//   ReadInteger throws ReadingError so that a failed reading ends an action in its guard;
//   ReadIntegerOr gives a default instead;
// - the colour reading: "R,G,B" split by the delimited-text rules of the form framework's
//   string lists, each of the first three items read strictly and cut to its low 8 bits;
// - the Boolean reading: the lower-cased text compared with "true" and "false";
// - the value texts written to host variables: integers, Booleans, colours and the
//   general floating-point format with the user's decimal separator.
//
// All functions are pure except FloatText and DecimalSeparator, which read the user's
// regional settings (the user locale on Windows, the C library's current locale
// elsewhere). None of them allocates more than its input's size.
#pragma once

#include "gfx/Color.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ix::actions {

// The failure of a strict reading; the action guard turns it into False.
class ReadingError : public std::runtime_error {
public:
    explicit ReadingError(const std::string& what) : std::runtime_error(what) {}
};

// True for the empty text and for any text holding a character other than 0 to 9.
bool HasNonDigit(std::string_view text);

// The strict integer reading; nothing when the text is not a 32-bit signed integer.
std::optional<std::int32_t> TryReadInteger(std::string_view text);
// The strict integer reading; throws ReadingError when it fails.
std::int32_t ReadInteger(std::string_view text);
// The strict integer reading with `fallback` for every text it rejects (the empty one too).
std::int32_t ReadIntegerOr(std::string_view text, std::int32_t fallback);

// Splits text into items the way a comma-delimited string list reads its text: leading
// characters 1 to 32 are skipped; an item ends at a comma or at a character 1 to 32; an
// item opening with a double quote runs to the closing one (a doubled quote inside
// stands for one); after an item, characters 1 to 32 and one comma are skipped. A
// comma at the very end adds an empty item. A zero byte ends the text.
std::vector<std::string> SplitDelimited(std::string_view text);

// The colour reading; nothing when there are fewer than three items or one of the first
// three is not an integer. Each component keeps its low 8 bits (300 becomes 44).
std::optional<gfx::Color> TryReadColor(std::string_view text);
// The colour reading; throws ReadingError when it fails.
gfx::Color ReadColor(std::string_view text);

// True for "true", False for "false" in any letter case (ASCII), nothing otherwise.
std::optional<bool> ReadBoolean(std::string_view text);

// Value texts written to host variables.
std::string IntegerText(std::int64_t value);        // decimal, "-" when negative
std::string BooleanText(bool value);                // "True" / "False"
std::string ColorText(gfx::Color color);            // "R,G,B", decimal, no blanks
// General format: up to 15 significant digits, no trailing zeros, a decimal separator
// only when needed, scientific notation ("1.5E20", "1E-5") below 1E-4 and from 1E15 on.
// Infinities and NaN are written "INF", "-INF" and "NAN".
std::string FloatText(double value, char separator);
std::string FloatText(double value); // with DecimalSeparator()

// The decimal separator of the user's regional settings: a single byte, '.' when the
// setting cannot be read or is not a single byte.
char DecimalSeparator();

} // namespace ix::actions
