// Backdrop: what the image view shows behind and around its picture — the background
// style in the background colour, any shadow or frame the style puts around the
// picture, and the wallpaper over that.
//
// Patterns are anchored at the client's top-left corner, so they stay put while the
// picture scrolls. Hatches and the chessboard use the background colour and a contrast
// shade of it (darker for light colours, lighter for dark ones).
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "gfx/Picture.h"
#include "gfx/view/BackgroundStyle.h"

#include <cstdint>
#include <vector>

namespace ix::gfx {

struct BackdropLook {
    Size client;
    BackgroundStyle style = BackgroundStyle::Solid;
    Color color;
    Rect picture; // the picture on the client, for the framing styles
    WallpaperStyle wallpaperStyle = WallpaperStyle::Normal;
    std::uint64_t wallpaperVersion = 0;
    friend bool operator==(const BackdropLook&, const BackdropLook&) = default;
};

// The shade hatch lines and the second chessboard colour are drawn in.
Color ContrastShade(Color c);

// Whether the style draws something that depends on where the picture lies.
bool StyleFramesPicture(BackgroundStyle style);

// Paints look.client.width × look.client.height pixels (0xAARRGGBB, opaque) into out.
void PaintBackdrop(const BackdropLook& look, const Picture& wallpaper, std::vector<std::uint32_t>& out);

} // namespace ix::gfx
