// FreeTypeText: the headless TextRenderer, drawing with FreeType and the DejaVu faces
// (FontMap picks the face). Glyphs are rendered antialiased and blended over the surface
// in the font colour; underline and strike-out are one-pixel lines per 12 pixels of height.
// Heights are clamped to 1..400 pixels. When a face file cannot be opened, text measures
// about 0.6 of its height per character and draws nothing.
#pragma once

#include "ui/text/TextRenderer.h"

#include <map>
#include <memory>
#include <string>

namespace ix::ui::headless {

class FreeTypeText : public TextRenderer {
public:
    FreeTypeText();
    ~FreeTypeText() override;
    FreeTypeText(const FreeTypeText&) = delete;
    FreeTypeText& operator=(const FreeTypeText&) = delete;

    TextMetrics Measure(const Font& font, std::string_view text) override;
    void Draw(gfx::Surface& surface, const gfx::Rect& clip, gfx::Point topLeft, const Font& font,
              std::string_view text) override;

private:
    struct Library;
    std::unique_ptr<Library> lib_;
};

} // namespace ix::ui::headless
