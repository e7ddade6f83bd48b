#pragma once
// The lists of choices that several editors offer, items in the order the author sees them.
#include <string_view>
#include <vector>

namespace ix::editors {

inline const std::vector<std::string_view> kFalseTrue{"False", "True"};
inline const std::vector<std::string_view> kTrueFalse{"True", "False"};
inline const std::vector<std::string_view> kBackgroundStyles{
    "BDiagonal", "Chessboard", "Cropped", "CropShadow", "Cross", "DiagCross", "Diagonals",
    "FDiagonal", "Gradient", "Horizontal", "PhotoLike", "SoftShadow", "Solid", "Vertical"};
inline const std::vector<std::string_view> kCursorNames{
    "Pixel", "AppStart", "Arrow", "Cross", "Default", "HandPoint", "Help", "HourGlass", "HSplit", "IBeam", "MultiDrag",
    "No", "NoDrop", "SizeAll", "SizeNESW", "SizeNS", "SizeNWSE", "SizeWE", "SQLWait", "UpArrow", "VSplit"};
inline const std::vector<std::string_view> kLineStyles{"Solid", "Dash", "Dot", "DashDot", "DashDotDot"};
inline const std::vector<std::string_view> kFillStyles{"Solid",     "Clear", "Horizontal", "Vertical",
                                                       "FDiagonal", "BDiagonal", "Cross",  "DiagCross"};

}  // namespace ix::editors
