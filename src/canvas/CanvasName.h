// SameCanvasName: how the registry compares the names of host rectangles.
//
// Two names are equal when they have the same length and the same bytes after folding
// the ASCII letters a to z to upper case. Nothing else is folded: Windows-1251 letters
// such as Cyrillic ones match only in identical case.
#pragma once

#include <string_view>

namespace ix::canvas {

constexpr char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

constexpr bool SameCanvasName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

} // namespace ix::canvas
