#include "ui/headless/FreeTypeText.h"

#include "ui/headless/FontMap.h"
#include "gfx/Cp1251.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace ix::ui::headless {
namespace {

int ClampHeight(int h)
{
    if (h < 0) h = -h;
    return std::clamp(h == 0 ? 11 : h, 1, 400);
}

struct LineMetrics {
    int height = 0;
    int ascent = 0;
};

} // namespace

struct FreeTypeText::Library {
    FT_Library library = nullptr;
    std::map<std::string, FT_Face> faces; // by file name; null when it failed to open
    // Advances by (face, pixel height, code point): measuring long texts stays cheap.
    std::unordered_map<std::uint64_t, int> advances;
    static constexpr std::size_t kMaxAdvances = 1 << 16;

    int Advance(FT_Face face, int height, char32_t c)
    {
        const std::uint64_t key = reinterpret_cast<std::uintptr_t>(face) * 1000003u ^
                                  static_cast<std::uint64_t>(height) << 32 ^ c;
        if (auto it = advances.find(key); it != advances.end()) return it->second;
        int adv = 0;
        if (FT_Load_Char(face, c, FT_LOAD_DEFAULT) == 0) adv = static_cast<int>((face->glyph->advance.x + 32) >> 6);
        if (advances.size() >= kMaxAdvances) advances.clear();
        advances.emplace(key, adv);
        return adv;
    }

    ~Library()
    {
        for (auto& [name, face] : faces)
            if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }

    FT_Face Face(const Font& font)
    {
        if (!library) return nullptr;
        const std::string file = FontFileFor(font.name, font.style);
        auto it = faces.find(file);
        if (it == faces.end()) {
            FT_Face face = nullptr;
            const std::string path = FontFolder() + "/" + file;
            if (FT_New_Face(library, path.c_str(), 0, &face) != 0) face = nullptr;
            it = faces.emplace(file, face).first;
        }
        FT_Face face = it->second;
        if (face && FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(ClampHeight(font.height))) != 0) return nullptr;
        return face;
    }
};

FreeTypeText::FreeTypeText() : lib_(std::make_unique<Library>())
{
    if (FT_Init_FreeType(&lib_->library) != 0) lib_->library = nullptr;
}

FreeTypeText::~FreeTypeText() = default;

namespace {

LineMetrics Line(FT_Face face, int height)
{
    if (!face) return {height + height / 5, height};
    const int ascent = static_cast<int>((face->size->metrics.ascender + 63) >> 6);
    const int descent = static_cast<int>((-face->size->metrics.descender + 63) >> 6);
    return {ascent + descent, ascent};
}

} // namespace

TextMetrics FreeTypeText::Measure(const Font& font, std::string_view text)
{
    const int height = ClampHeight(font.height);
    FT_Face face = lib_->Face(font);
    const LineMetrics line = Line(face, height);
    TextMetrics m{0, line.height, line.ascent};
    if (!face) {
        m.width = static_cast<int>(std::min<long long>(static_cast<long long>(text.size()) * height * 3 / 5, 1 << 30));
        return m;
    }
    long long width = 0;
    for (const char byte : text) width += lib_->Advance(face, height, gfx::Cp1251ToCodePoint(static_cast<unsigned char>(byte)));
    m.width = static_cast<int>(std::min<long long>(width, 1 << 30));
    return m;
}

void FreeTypeText::Draw(gfx::Surface& surface, const gfx::Rect& requested, gfx::Point topLeft, const Font& font,
                        std::string_view text)
{
    const gfx::Rect clip = requested.Intersected(surface.Bounds());
    if (clip.IsEmpty() || text.empty()) return;
    const int height = ClampHeight(font.height);
    FT_Face face = lib_->Face(font);
    if (!face) return;
    const LineMetrics line = Line(face, height);
    const unsigned cr = font.color.R(), cg = font.color.G(), cb = font.color.B();
    const int baseline = topLeft.y + line.ascent;
    int penX = topLeft.x;
    for (const char byte : text) {
        const char32_t c = gfx::Cp1251ToCodePoint(static_cast<unsigned char>(byte));
        if (penX > clip.right) break;
        if (FT_Load_Char(face, c, FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot g = face->glyph;
        const FT_Bitmap& bm = g->bitmap;
        if (bm.pixel_mode == FT_PIXEL_MODE_GRAY) {
            const int x0 = penX + g->bitmap_left, y0 = baseline - g->bitmap_top;
            const gfx::Rect glyph = gfx::Rect::FromSize({x0, y0}, {static_cast<int>(bm.width), static_cast<int>(bm.rows)});
            const gfx::Rect rect = glyph.Intersected(clip);
            for (int y = rect.top; y < rect.bottom; ++y) {
                const unsigned char* src = bm.buffer + static_cast<std::ptrdiff_t>(y - y0) * bm.pitch;
                std::uint32_t* row = surface.Row(y);
                for (int x = rect.left; x < rect.right; ++x) {
                    const unsigned a = src[x - x0];
                    if (a == 0) continue;
                    const std::uint32_t u = row[x];
                    auto mix = [a](unsigned s, unsigned d) { return (s * a + d * (255 - a) + 127) / 255; };
                    row[x] = (u & 0xFF000000u) | mix(cr, u >> 16 & 0xFF) << 16 | mix(cg, u >> 8 & 0xFF) << 8 |
                             mix(cb, u & 0xFF);
                }
            }
        }
        penX += static_cast<int>((g->advance.x + 32) >> 6);
    }
    const int thickness = std::max(1, height / 12);
    const std::uint32_t ink = gfx::ToArgb(font.color);
    if (font.style & FontUnderline)
        surface.FillRect(gfx::Rect{topLeft.x, baseline + 1, penX, baseline + 1 + thickness}.Intersected(clip), ink);
    if (font.style & FontStrikeOut) {
        const int y = baseline - line.ascent / 3;
        surface.FillRect(gfx::Rect{topLeft.x, y, penX, y + thickness}.Intersected(clip), ink);
    }
}

} // namespace ix::ui::headless
