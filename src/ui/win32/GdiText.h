// GdiText: the toolkit's text measured and drawn by GDI.
//
// Fonts are asked for by face name and character height in pixels (GDI maps a name it
// does not have to its nearest face); style bits pick weight, italic, underline and
// strike-out. Drawing renders the line white on black with greyscale antialiasing into a
// scratch DIB and lays font.color over the surface with that coverage, so text is
// antialiased on any background and never leaves the clip. Fonts are cached by name,
// height and style.
#pragma once

#include "ui/text/TextRenderer.h"

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

namespace ix::ui::win32 {

class GdiText : public TextRenderer {
public:
    GdiText();
    ~GdiText() override;
    GdiText(const GdiText&) = delete;
    GdiText& operator=(const GdiText&) = delete;

    TextMetrics Measure(const Font& font, std::string_view text) override;
    void Draw(gfx::Surface& surface, const gfx::Rect& clip, gfx::Point topLeft, const Font& font,
              std::string_view text) override;

    // A GDI font for the toolkit font (owned by the cache; null when GDI has none).
    HFONT FontFor(const Font& font);

private:
    static constexpr std::size_t kMaxFonts = 64;
    bool EnsureScratch(gfx::Size size);

    HDC dc_ = nullptr;
    HBITMAP scratch_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
    std::uint32_t* scratchBits_ = nullptr;
    gfx::Size scratchSize_{};
    std::map<std::tuple<std::string, int, unsigned>, HFONT> fonts_;
};

// The pixel height GDI is asked for: the character height, 11 when none is given, kept
// in 1..400 so a bad request cannot ask for a huge font.
int ClampFontHeight(int height);
// A new GDI font for the toolkit font; the caller owns it (DeleteObject).
HFONT CreateGdiFont(const Font& font);

} // namespace ix::ui::win32
