// Surface: a 32-bit pixel buffer that windows are rendered into.
//
// Each pixel is one uint32 0xAARRGGBB (in memory on little-endian machines: blue, green,
// red, alpha), the layout of a top-down 32-bit Windows DIB, so the win32 backend can blit
// a surface as it is and a snapshot can write it as RGBA. Rows are contiguous.
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "gfx/GfxError.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

namespace ix::gfx {

constexpr std::uint32_t ToArgb(Color c, std::uint8_t alpha = 255)
{
    return static_cast<std::uint32_t>(alpha) << 24 | static_cast<std::uint32_t>(c.R()) << 16 |
           static_cast<std::uint32_t>(c.G()) << 8 | c.B();
}
constexpr Color FromArgb(std::uint32_t argb)
{
    return Color::FromRgb(static_cast<int>(argb >> 16 & 0xFF), static_cast<int>(argb >> 8 & 0xFF),
                          static_cast<int>(argb & 0xFF));
}

class Surface {
public:
    static constexpr int kMaxSide = 1 << 15;

    Surface() = default;
    explicit Surface(Size size, std::uint32_t fill = 0xFF000000u) { Resize(size, fill); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    Size GetSize() const { return {width_, height_}; }
    Rect Bounds() const { return Rect::FromSize(GetSize()); }

    // Throws GfxError for sizes outside 0..kMaxSide; contents are not kept.
    void Resize(Size size, std::uint32_t fill = 0xFF000000u)
    {
        if (size.width < 0 || size.height < 0 || size.width > kMaxSide || size.height > kMaxSide)
            throw GfxError("surface: size out of range");
        try {
            pixels_.assign(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height), fill);
        } catch (const std::bad_alloc&) {
            throw GfxError("surface: out of memory");
        }
        width_ = size.width;
        height_ = size.height;
    }

    std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const std::uint32_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    std::uint32_t At(Point p) const { return Bounds().Contains(p) ? Row(p.y)[p.x] : 0; }
    void Set(Point p, std::uint32_t v)
    {
        if (Bounds().Contains(p)) Row(p.y)[p.x] = v;
    }
    // Fills the part of `requested` that lies inside the surface.
    void FillRect(const Rect& requested, std::uint32_t v)
    {
        const Rect rect = requested.Intersected(Bounds());
        for (int y = rect.top; y < rect.bottom; ++y) std::fill_n(Row(y) + rect.left, rect.Width(), v);
    }
    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

} // namespace ix::gfx
