// MouseInteract: the set of things the image view does by itself with the mouse.
//
// The bit values are the ones scripts and the canvas store; several bits may be set at
// once (moving together with resizing or rotating layers). The empty set leaves the mouse
// to the canvas's own tool engine: the view then does nothing on a press, move or release.
#pragma once

#include <cstdint>

namespace ix::gfx {

using MouseInteract = std::uint32_t;

inline constexpr MouseInteract miNone = 0;
inline constexpr MouseInteract miSelect = 0x4;          // rectangle selection
inline constexpr MouseInteract miSelectPolygon = 0x8;   // clicks add corners
inline constexpr MouseInteract miSelectCircle = 0x10;   // ellipse selection
inline constexpr MouseInteract miSelectMagicWand = 0x40;
inline constexpr MouseInteract miSelectLasso = 0x80;    // freehand selection
inline constexpr MouseInteract miMoveLayers = 0x100;
inline constexpr MouseInteract miResizeLayers = 0x200;
inline constexpr MouseInteract miRotateLayers = 0x400;

inline constexpr MouseInteract miAnySelection =
    miSelect | miSelectPolygon | miSelectCircle | miSelectMagicWand | miSelectLasso;
inline constexpr MouseInteract miAnyLayer = miMoveLayers | miResizeLayers | miRotateLayers;

enum class MouseButton { Left, Right, Middle };

} // namespace ix::gfx
