// TextRenderer: how the toolkit measures and draws text.
//
// Text is Windows-1251 bytes, the encoding every caption is kept in; an implementation
// converts at its own edge (gfx/Cp1251.h) (to code points for FreeType, to UTF-16 for GDI). Fonts are
// asked for by the names the forms use ("MS Sans Serif", "Arial", ...); a backend maps
// them to the faces it has. Drawing is clipped to `clip` and never leaves the surface.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Surface.h"
#include "ui/Types.h"

#include <string_view>

namespace ix::ui {

struct TextMetrics {
    int width = 0;   // advance width of the whole line
    int height = 0;  // line height
    int ascent = 0;  // baseline distance from the top of the line
};

class TextRenderer {
public:
    virtual ~TextRenderer() = default;
    // Metrics of one line (line breaks are not interpreted).
    virtual TextMetrics Measure(const Font& font, std::string_view text) = 0;
    // Draws one line with its top-left at `topLeft`, in font.color, antialiased.
    virtual void Draw(gfx::Surface& surface, const gfx::Rect& clip, gfx::Point topLeft, const Font& font,
                      std::string_view text) = 0;
};

} // namespace ix::ui
