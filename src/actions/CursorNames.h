// The cursor names scripts give ixCanvasSetCursor: the framework's twenty standard
// cursors by their names without the "cr" prefix, and "Pixel" for the image view's own
// cross-hair. Compared exactly (case-sensitive).
#pragma once

#include "ui/Cursors.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace ix::actions {

inline constexpr std::array<std::pair<std::string_view, int>, 21> kCursorNames = {{
    {"AppStart", ui::cursors::AppStart},
    {"Arrow", ui::cursors::Arrow},
    {"Cross", ui::cursors::Cross},
    {"Default", ui::cursors::Default},
    {"HandPoint", ui::cursors::HandPoint},
    {"Help", ui::cursors::Help},
    {"HourGlass", ui::cursors::HourGlass},
    {"HSplit", ui::cursors::HSplit},
    {"IBeam", ui::cursors::IBeam},
    {"MultiDrag", ui::cursors::MultiDrag},
    {"No", ui::cursors::No},
    {"NoDrop", ui::cursors::NoDrop},
    {"SizeAll", ui::cursors::SizeAll},
    {"SizeNESW", ui::cursors::SizeNESW},
    {"SizeNS", ui::cursors::SizeNS},
    {"SizeNWSE", ui::cursors::SizeNWSE},
    {"SizeWE", ui::cursors::SizeWE},
    {"SQLWait", ui::cursors::SQLWait},
    {"UpArrow", ui::cursors::UpArrow},
    {"VSplit", ui::cursors::VSplit},
    {"Pixel", ui::cursors::ViewCross},
}};

constexpr std::optional<int> CursorByName(std::string_view name)
{
    for (const auto& [cursorName, id] : kCursorNames)
        if (cursorName == name) return id;
    return std::nullopt;
}

} // namespace ix::actions
