#include "ui/win32/GdiText.h"

#include "ui/win32/WideText.h"

#include <algorithm>

namespace ix::ui::win32 {

int ClampFontHeight(int h)
{
    if (h < 0) h = -h;
    return std::clamp(h == 0 ? 11 : h, 1, 400);
}

HFONT CreateGdiFont(const Font& font)
{
    const int height = ClampFontHeight(font.height);
    LOGFONTW lf{};
    lf.lfHeight = -height; // negative: the character height, without internal leading
    lf.lfWeight = font.style & FontBold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.style & FontItalic ? TRUE : FALSE;
    lf.lfUnderline = font.style & FontUnderline ? TRUE : FALSE;
    lf.lfStrikeOut = font.style & FontStrikeOut ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfQuality = ANTIALIASED_QUALITY;
    const std::wstring face = WideFromCp1251(font.name).substr(0, LF_FACESIZE - 1);
    std::copy(face.begin(), face.end(), lf.lfFaceName);
    return CreateFontIndirectW(&lf);
}

GdiText::GdiText() : dc_(CreateCompatibleDC(nullptr)) {}

GdiText::~GdiText()
{
    if (dc_) {
        if (oldFont_) SelectObject(dc_, oldFont_);
        if (oldBitmap_) SelectObject(dc_, oldBitmap_);
        DeleteDC(dc_);
    }
    if (scratch_) DeleteObject(scratch_);
    for (auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT GdiText::FontFor(const Font& font)
{
    const int height = ClampFontHeight(font.height);
    const auto key = std::make_tuple(font.name, height, font.style);
    if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    if (fonts_.size() >= kMaxFonts) {
        // Forget the cache, but not the font the context holds.
        if (dc_ && oldFont_) {
            SelectObject(dc_, oldFont_);
            oldFont_ = nullptr;
        }
        for (auto& [k, f] : fonts_) DeleteObject(f);
        fonts_.clear();
    }
    HFONT f = CreateGdiFont(font);
    if (f) fonts_.emplace(key, f);
    return f;
}

TextMetrics GdiText::Measure(const Font& font, std::string_view text)
{
    const int height = ClampFontHeight(font.height);
    HFONT f = dc_ ? FontFor(font) : nullptr;
    if (!f) return {static_cast<int>(text.size()) * height * 3 / 5, height + height / 5, height};
    HGDIOBJ previous = SelectObject(dc_, f);
    if (!oldFont_) oldFont_ = previous;
    TEXTMETRICW tm{};
    GetTextMetricsW(dc_, &tm);
    TextMetrics m{0, static_cast<int>(tm.tmHeight), static_cast<int>(tm.tmAscent)};
    const std::wstring wide = WideFromCp1251(text);
    SIZE extent{};
    if (!wide.empty() && GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &extent))
        m.width = extent.cx;
    return m;
}

bool GdiText::EnsureScratch(gfx::Size size)
{
    if (scratch_ && scratchSize_.width >= size.width && scratchSize_.height >= size.height) return true;
    if (oldBitmap_) {
        SelectObject(dc_, oldBitmap_);
        oldBitmap_ = nullptr;
    }
    if (scratch_) DeleteObject(scratch_);
    scratch_ = nullptr;
    scratchBits_ = nullptr;
    const gfx::Size grown{std::max(size.width, scratchSize_.width), std::max(size.height, scratchSize_.height)};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = grown.width;
    info.bmiHeader.biHeight = -grown.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    scratch_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!scratch_ || !bits) {
        if (scratch_) DeleteObject(scratch_);
        scratch_ = nullptr;
        scratchSize_ = {};
        return false;
    }
    scratchBits_ = static_cast<std::uint32_t*>(bits);
    scratchSize_ = grown;
    oldBitmap_ = SelectObject(dc_, scratch_);
    return true;
}

void GdiText::Draw(gfx::Surface& surface, const gfx::Rect& requested, gfx::Point topLeft, const Font& font,
                   std::string_view text)
{
    if (!dc_ || text.empty()) return;
    const gfx::Rect clip = requested.Intersected(surface.Bounds());
    if (clip.IsEmpty()) return;
    const TextMetrics m = Measure(font, text);
    // Italic and script faces overhang their advance: leave them room on both sides.
    const int slack = ClampFontHeight(font.height) / 2 + 2;
    const gfx::Rect box = gfx::Rect{topLeft.x - slack, topLeft.y, topLeft.x + m.width + slack, topLeft.y + m.height}
                              .Intersected(clip);
    if (box.IsEmpty() || !EnsureScratch(box.GetSize())) return;
    GdiFlush();
    for (int y = 0; y < box.Height(); ++y)
        std::fill_n(scratchBits_ + static_cast<std::size_t>(y) * scratchSize_.width, box.Width(), 0u);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(255, 255, 255));
    SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    const std::wstring wide = WideFromCp1251(text);
    TextOutW(dc_, topLeft.x - box.left, topLeft.y - box.top, wide.c_str(), static_cast<int>(wide.size()));
    GdiFlush();
    const unsigned cr = font.color.R(), cg = font.color.G(), cb = font.color.B();
    for (int y = 0; y < box.Height(); ++y) {
        const std::uint32_t* src = scratchBits_ + static_cast<std::size_t>(y) * scratchSize_.width;
        std::uint32_t* row = surface.Row(box.top + y) + box.left;
        for (int x = 0; x < box.Width(); ++x) {
            const std::uint32_t s = src[x];
            // Greyscale coverage; the brightest channel, should the font be sub-pixel.
            const unsigned a = std::max({s >> 16 & 0xFFu, s >> 8 & 0xFFu, s & 0xFFu});
            if (a == 0) continue;
            const std::uint32_t u = row[x];
            auto mix = [a](unsigned c, unsigned d) { return (c * a + d * (255 - a) + 127) / 255; };
            row[x] = (u & 0xFF000000u) | mix(cr, u >> 16 & 0xFF) << 16 | mix(cg, u >> 8 & 0xFF) << 8 |
                     mix(cb, u & 0xFF);
        }
    }
}

} // namespace ix::ui::win32
