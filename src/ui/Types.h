// Small value types the toolkit shares: mouse input, alignment, fonts, modal results.
//
// Coordinates are 32-bit signed client coordinates of the control that receives them;
// during a captured drag they may lie outside the control (negative or beyond its size).
#pragma once

#include "gfx/Color.h"

#include <cstdint>
#include <string>

namespace ix::ui {

enum class MouseButton { Left, Right, Middle };

struct MouseEvent {
    MouseButton button = MouseButton::Left; // the button pressed or released; Left for moves
    int x = 0;
    int y = 0;
};

// How a control is placed inside its parent's client area when the parent lays out.
// Top/Bottom strips keep their height, Left/Right strips their width; Client takes what
// is left; None and Custom are placed by code and never moved by the layout.
enum class Align { None, Top, Bottom, Left, Right, Client, Custom };

enum FontStyle : unsigned { FontRegular = 0, FontBold = 1, FontItalic = 2, FontUnderline = 4, FontStrikeOut = 8 };

struct Font {
    std::string name = "MS Sans Serif"; // face name as the forms ask for it; backends map it
    int height = 11;                    // character height in pixels
    gfx::Color color = gfx::colors::Black;
    unsigned style = FontRegular;
    friend bool operator==(const Font&, const Font&) = default;
};

// The closing result of a modal form: what its buttons set and what ShowModal returns.
enum class ModalResult { None = 0, Ok = 1, Cancel = 2, Close = 8 };

// The system colour for dialog and button faces; the forms use it as their background.
inline constexpr gfx::Color kButtonFace = gfx::Color::FromRgb(240, 240, 240);
inline constexpr gfx::Color kSkyBlue = gfx::Color::FromRgb(166, 202, 240);

} // namespace ix::ui
