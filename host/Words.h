// Readings of the script's own words (points, buttons, colours, flags, counts). Each
// throws ScriptError with the line when the word does not read.
#pragma once

#include "host/Stage.h"

#include <array>
#include <cstdint>
#include <string>

namespace ix::host {

struct Point {
    int x = 0, y = 0;
};

Point ReadPoint(const std::string& word, int line);       // "x,y"
MouseButton ReadButton(const std::string& word, int line); // left | right | middle
// "r,g,b" or "r,g,b,a", each 0..255; alpha 255 when left out.
std::array<std::uint8_t, 4> ReadColor(const std::string& word, int line);
bool ReadFlag(const std::string& word, int line);          // yes/no, true/false
int ReadInt(const std::string& word, int line, long long min, long long max);
bool IsButtonWord(const std::string& word);

} // namespace ix::host
