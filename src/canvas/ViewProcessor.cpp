#include "canvas/ViewProcessor.h"

#include <algorithm>

namespace ix::canvas {

namespace {

// The selection value of a pixel of the current layer: 255 everywhere without a selection.
struct SelectedArea {
    const gfx::Selection* mask = nullptr;
    gfx::Point offset;
    std::uint8_t At(int x, int y) const { return mask == nullptr ? 255 : mask->At({x + offset.x, y + offset.y}); }
};

SelectedArea AreaOf(gfx::ImageView& view)
{
    SelectedArea area;
    if (view.HasSelection()) {
        area.mask = &view.SelectionMask();
        area.offset = {view.CurrentLayer().posX, view.CurrentLayer().posY};
    }
    return area;
}

std::uint8_t Mix(std::uint8_t from, std::uint8_t to, std::uint8_t amount)
{
    return static_cast<std::uint8_t>(from + ((to - from) * amount + (to >= from ? 127 : -127)) / 255);
}

bool Between(std::uint8_t v, std::uint8_t lo, std::uint8_t hi) { return v >= lo && v <= hi; }

} // namespace

void FillImage(gfx::ImageView& view, gfx::Color colour)
{
    gfx::Picture& picture = view.CurrentLayer().picture;
    const SelectedArea area = AreaOf(view);
    if (area.mask == nullptr) {
        picture.Fill(colour);
    } else {
        const gfx::Bgr to = colour.ToBgr();
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x) {
                const std::uint8_t m = area.At(x, y);
                if (m == 0) continue;
                const gfx::Bgr from = picture.GetPixel({x, y}).ToBgr();
                picture.SetPixel({x, y}, gfx::Color::FromRgb(Mix(from.r, to.r, m), Mix(from.g, to.g, m),
                                                             Mix(from.b, to.b, m)));
            }
    }
    view.InvalidateLayers();
}

void SetTransparentColors(gfx::ImageView& view, gfx::Color lower, gfx::Color upper, int alpha)
{
    gfx::Picture& picture = view.CurrentLayer().picture;
    if (picture.Format() != gfx::PixelFormat::Bgr24 || picture.IsEmpty()) return;
    const auto a = static_cast<std::uint8_t>(std::clamp(alpha, 0, 255));
    const gfx::Bgr lo = lower.ToBgr();
    const gfx::Bgr hi = upper.ToBgr();
    const SelectedArea area = AreaOf(view);
    picture.EnsureAlpha(255);
    for (int y = 0; y < picture.Height(); ++y) {
        const gfx::Bgr* row = picture.BgrRow(y);
        std::uint8_t* alphaRow = picture.AlphaRow(y);
        for (int x = 0; x < picture.Width(); ++x) {
            const gfx::Bgr p = row[x];
            if (Between(p.r, lo.r, hi.r) && Between(p.g, lo.g, hi.g) && Between(p.b, lo.b, hi.b) && area.At(x, y) != 0)
                alphaRow[x] = a;
        }
    }
    view.InvalidateLayers();
}

} // namespace ix::canvas
