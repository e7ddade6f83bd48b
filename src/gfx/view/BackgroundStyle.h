// BackgroundStyle and WallpaperStyle: how the image view fills the area around and behind
// its picture, and their exact style names as scripts give them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace ix::gfx {

enum class BackgroundStyle {
    Solid, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross, Chessboard,
    Diagonals, Cropped, CropShadow, Gradient, SoftShadow, PhotoLike,
};

inline constexpr std::array<std::string_view, 14> kBackgroundStyleNames = {
    "Solid", "Horizontal", "Vertical", "FDiagonal", "BDiagonal", "Cross", "DiagCross",
    "Chessboard", "Diagonals", "Cropped", "CropShadow", "Gradient", "SoftShadow", "PhotoLike",
};

// The style of that exact (case-sensitive) name, or nothing.
constexpr std::optional<BackgroundStyle> BackgroundStyleByName(std::string_view name)
{
    for (std::size_t i = 0; i < kBackgroundStyleNames.size(); ++i)
        if (kBackgroundStyleNames[i] == name) return static_cast<BackgroundStyle>(i);
    return std::nullopt;
}

// Normal: the wallpaper once at the view's top-left corner; Stretch: scaled to the whole
// view; Tile: repeated from the top-left corner.
enum class WallpaperStyle { Normal, Stretch, Tile };

inline constexpr std::array<std::string_view, 3> kWallpaperStyleNames = {"Normal", "Stretch", "Tile"};

constexpr std::optional<WallpaperStyle> WallpaperStyleByName(std::string_view name)
{
    for (std::size_t i = 0; i < kWallpaperStyleNames.size(); ++i)
        if (kWallpaperStyleNames[i] == name) return static_cast<WallpaperStyle>(i);
    return std::nullopt;
}

} // namespace ix::gfx
