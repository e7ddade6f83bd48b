#include "gfx/view/Backdrop.h"

#include "gfx/Surface.h"

#include <algorithm>
#include <cmath>

namespace ix::gfx {

namespace {

constexpr int kHatch = 8;   // hatch spacing, as the system's hatch brushes
constexpr int kSquare = 16; // chessboard square and diagonal stripe width
constexpr int kShadow = 6;  // shadow offset and softness

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, int weightB) // weightB of 256
{
    const auto ch = [&](int shift) {
        const int va = static_cast<int>(a >> shift & 0xFF), vb = static_cast<int>(b >> shift & 0xFF);
        return static_cast<std::uint32_t>(va + ((vb - va) * weightB >> 8)) << shift;
    };
    return 0xFF000000u | ch(16) | ch(8) | ch(0);
}

void Darken(std::uint32_t& p, int amount) { p = Mix(p, 0xFF000000u, amount); }

// Distance in pixels from (x, y) to the rectangle (0 inside).
double DistanceTo(const Rect& r, int x, int y)
{
    const double dx = std::max({r.left - (x + 0.5), 0.0, (x + 0.5) - r.right});
    const double dy = std::max({r.top - (y + 0.5), 0.0, (y + 0.5) - r.bottom});
    return std::sqrt(dx * dx + dy * dy);
}

void SoftShadow(const BackdropLook& look, std::vector<std::uint32_t>& out, int offset)
{
    const Rect shadow = look.picture.Translated({offset, offset});
    const Rect reach = Rect{shadow.left - kShadow, shadow.top - kShadow, shadow.right + kShadow, shadow.bottom + kShadow}
                           .Intersected(Rect::FromSize(look.client));
    for (int y = reach.top; y < reach.bottom; ++y)
        for (int x = reach.left; x < reach.right; ++x) {
            if (look.picture.Contains({x, y})) continue;
            const double d = DistanceTo(shadow, x, y);
            if (d >= kShadow) continue;
            Darken(out[static_cast<std::size_t>(y) * look.client.width + x], static_cast<int>(128 * (1.0 - d / kShadow)));
        }
}

void Frame(const BackdropLook& look, std::vector<std::uint32_t>& out, const Rect& inner, int width, std::uint32_t colour)
{
    const Rect client = Rect::FromSize(look.client);
    const Rect outer = Rect{inner.left - width, inner.top - width, inner.right + width, inner.bottom + width};
    const Rect rect = outer.Intersected(client);
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (!inner.Contains({x, y})) out[static_cast<std::size_t>(y) * look.client.width + x] = colour;
}

void Wallpaper(const BackdropLook& look, const Picture& wp, std::vector<std::uint32_t>& out)
{
    if (wp.IsEmpty()) return;
    const int cw = look.client.width, ch = look.client.height;
    Rect rect = Rect::FromSize(look.client);
    if (look.wallpaperStyle == WallpaperStyle::Normal) rect = rect.Intersected(wp.Bounds());
    for (int y = rect.top; y < rect.bottom; ++y) {
        const int sy = look.wallpaperStyle == WallpaperStyle::Stretch
                           ? static_cast<int>(static_cast<std::int64_t>(y) * wp.Height() / std::max(1, ch))
                           : y % wp.Height();
        std::uint32_t* row = out.data() + static_cast<std::size_t>(y) * cw;
        for (int x = rect.left; x < rect.right; ++x) {
            const int sx = look.wallpaperStyle == WallpaperStyle::Stretch
                               ? static_cast<int>(static_cast<std::int64_t>(x) * wp.Width() / std::max(1, cw))
                               : x % wp.Width();
            const std::uint32_t p = ToArgb(wp.GetPixel({sx, sy}));
            const int a = wp.GetAlpha({sx, sy});
            row[x] = a == 255 ? p : Mix(row[x], p, a * 256 / 255);
        }
    }
}

} // namespace

Color ContrastShade(Color c)
{
    const int lum = (c.R() * 299 + c.G() * 587 + c.B() * 114) / 1000;
    if (lum >= 128) return Color::FromRgb(c.R() * 3 / 4, c.G() * 3 / 4, c.B() * 3 / 4);
    return Color::FromRgb(c.R() + (255 - c.R()) / 2, c.G() + (255 - c.G()) / 2, c.B() + (255 - c.B()) / 2);
}

bool StyleFramesPicture(BackgroundStyle style)
{
    return style == BackgroundStyle::Cropped || style == BackgroundStyle::CropShadow ||
           style == BackgroundStyle::SoftShadow || style == BackgroundStyle::PhotoLike;
}

void PaintBackdrop(const BackdropLook& look, const Picture& wallpaper, std::vector<std::uint32_t>& out)
{
    const int cw = look.client.width, ch = look.client.height;
    out.assign(static_cast<std::size_t>(std::max(0, cw)) * static_cast<std::size_t>(std::max(0, ch)), 0);
    const std::uint32_t bg = ToArgb(look.color);
    const std::uint32_t alt = ToArgb(ContrastShade(look.color));
    using S = BackgroundStyle;
    for (int y = 0; y < ch; ++y) {
        std::uint32_t* row = out.data() + static_cast<std::size_t>(y) * cw;
        for (int x = 0; x < cw; ++x) {
            bool line = false;
            switch (look.style) {
            case S::Horizontal: line = y % kHatch == 0; break;
            case S::Vertical: line = x % kHatch == 0; break;
            case S::FDiagonal: line = (x - y + ch * kHatch) % kHatch == 0; break;
            case S::BDiagonal: line = (x + y) % kHatch == 0; break;
            case S::Cross: line = x % kHatch == 0 || y % kHatch == 0; break;
            case S::DiagCross: line = (x - y + ch * kHatch) % kHatch == 0 || (x + y) % kHatch == 0; break;
            case S::Chessboard: line = (x / kSquare + y / kSquare) % 2 == 1; break;
            case S::Diagonals: line = (x + y) / kSquare % 2 == 1; break;
            default: break;
            }
            row[x] = line ? alt : bg;
        }
        if (look.style == S::Gradient) {
            const int w = ch > 1 ? y * 256 / (ch - 1) : 0;
            std::fill_n(row, cw, Mix(bg, alt, w));
        }
    }
    switch (look.style) {
    case S::Cropped:
        Frame(look, out, look.picture, 1, alt);
        break;
    case S::CropShadow:
        for (int y = 0; y < ch; ++y)
            for (int x = 0; x < cw; ++x)
                if (look.picture.Translated({kShadow / 2, kShadow / 2}).Contains({x, y}) && !look.picture.Contains({x, y}))
                    Darken(out[static_cast<std::size_t>(y) * cw + x], 128);
        Frame(look, out, look.picture, 1, alt);
        break;
    case S::SoftShadow:
        SoftShadow(look, out, kShadow / 2);
        break;
    case S::PhotoLike: {
        const int border = kShadow;
        const Rect paper{look.picture.left - border, look.picture.top - border, look.picture.right + border,
                         look.picture.bottom + border};
        BackdropLook shadowLook = look;
        shadowLook.picture = paper;
        SoftShadow(shadowLook, out, kShadow / 2);
        Frame(look, out, look.picture, border, 0xFFFFFFFFu);
        break;
    }
    default:
        break;
    }
    Wallpaper(look, wallpaper, out);
}

} // namespace ix::gfx
