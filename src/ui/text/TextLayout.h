// Line breaking for word-wrapped labels: explicit breaks (CR, LF or CR LF) always start a
// new line; with a width, words move to the next line when they would pass it, and a word
// wider than the whole line is broken between characters.
#pragma once

#include "ui/text/TextRenderer.h"

#include <string>
#include <string_view>
#include <vector>

namespace ix::ui {

// width <= 0: only the explicit breaks.
std::vector<std::string> BreakLines(TextRenderer& text, const Font& font, std::string_view s, int width);

} // namespace ix::ui
