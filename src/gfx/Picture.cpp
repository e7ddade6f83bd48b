#include "gfx/Picture.h"

#include "gfx/GfxError.h"

#include <algorithm>
#include <new>

namespace ix::gfx {

namespace {

std::size_t StrideOf(int width, PixelFormat format)
{
    return format == PixelFormat::Bgr24 ? static_cast<std::size_t>(width) * 3
                                        : (static_cast<std::size_t>(width) + 7) / 8;
}

template <typename Vector>
void AllocateOrThrow(Vector& v, std::size_t bytes, std::uint8_t value)
{
    try {
        v.assign(bytes, value);
    } catch (const std::bad_alloc&) {
        throw GfxError("picture: out of memory");
    } catch (const std::length_error&) {
        throw GfxError("picture: out of memory");
    }
}

bool Luminous(Bgr p) { return (p.r * 299 + p.g * 587 + p.b * 114) >= 128 * 1000; }

} // namespace

std::size_t Picture::CheckedByteCount(Size size, PixelFormat format)
{
    if (size.width < 0 || size.height < 0 || size.width > kMaxSide || size.height > kMaxSide)
        throw GfxError("picture: size out of range");
    const std::size_t bytes = StrideOf(size.width, format) * static_cast<std::size_t>(size.height);
    // Both factors are below 2^20, so the product cannot overflow 64 bits; on a 32-bit
    // target check before multiplying.
    if (size.height != 0 && StrideOf(size.width, format) > kMaxBytes / static_cast<std::size_t>(size.height))
        throw GfxError("picture: too large");
    return bytes;
}

Picture::Picture(Size size, Color fill, PixelFormat format) : format_(format)
{
    const std::size_t bytes = CheckedByteCount(size, format);
    width_ = size.width;
    height_ = size.height;
    stride_ = StrideOf(width_, format_);
    // A grey fill (black and white included) is one byte value: no second pass needed.
    const Bgr px = fill.ToBgr();
    const bool oneByte = format_ == PixelFormat::BlackWhite1 || (px.b == px.g && px.g == px.r);
    const std::uint8_t byte = format_ == PixelFormat::BlackWhite1 ? (Luminous(px) ? 0xFF : 0x00) : px.b;
    AllocateOrThrow(pixels_, bytes, oneByte ? byte : 0);
    if (!oneByte) Fill(fill);
}

Color Picture::GetPixel(Point p) const
{
    if (!Bounds().Contains(p)) return colors::Black;
    if (format_ == PixelFormat::BlackWhite1) {
        const bool white = (Row(p.y)[p.x >> 3] >> (7 - (p.x & 7))) & 1;
        return white ? colors::White : colors::Black;
    }
    return Color::FromBgr(BgrRow(p.y)[p.x]);
}

void Picture::SetPixel(Point p, Color c)
{
    if (!Bounds().Contains(p)) return;
    if (format_ == PixelFormat::BlackWhite1) {
        std::uint8_t& byte = Row(p.y)[p.x >> 3];
        const std::uint8_t bit = static_cast<std::uint8_t>(0x80u >> (p.x & 7));
        byte = Luminous(c.ToBgr()) ? (byte | bit) : (byte & ~bit);
        return;
    }
    BgrRow(p.y)[p.x] = c.ToBgr();
}

void Picture::EnsureAlpha(std::uint8_t value)
{
    if (hasAlpha_ || format_ != PixelFormat::Bgr24) return;
    AllocateOrThrow(alpha_, static_cast<std::size_t>(width_) * height_, value);
    hasAlpha_ = true;
}

void Picture::RemoveAlpha()
{
    alpha_.clear();
    alpha_.shrink_to_fit();
    hasAlpha_ = false;
}

std::uint8_t Picture::GetAlpha(Point p) const
{
    if (!hasAlpha_ || !Bounds().Contains(p)) return 255;
    return AlphaRow(p.y)[p.x];
}

void Picture::SetAlpha(Point p, std::uint8_t a)
{
    if (!Bounds().Contains(p)) return;
    EnsureAlpha();
    if (hasAlpha_) AlphaRow(p.y)[p.x] = a;
}

void Picture::Fill(Color c)
{
    if (format_ == PixelFormat::BlackWhite1) {
        std::fill(pixels_.begin(), pixels_.end(), Luminous(c.ToBgr()) ? 0xFF : 0x00);
        return;
    }
    const Bgr px = c.ToBgr();
    for (int y = 0; y < height_; ++y) std::fill_n(BgrRow(y), width_, px);
}

void Picture::Resize(Size size, Color fill)
{
    if (size == GetSize()) return;
    Picture resized(size, fill, format_);
    const int w = std::min(width_, size.width);
    const int h = std::min(height_, size.height);
    if (format_ == PixelFormat::Bgr24) {
        for (int y = 0; y < h; ++y) std::copy_n(BgrRow(y), w, resized.BgrRow(y));
    } else {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) resized.SetPixel({x, y}, GetPixel({x, y}));
    }
    if (hasAlpha_) {
        resized.EnsureAlpha(255);
        for (int y = 0; y < h; ++y) std::copy_n(AlphaRow(y), w, resized.AlphaRow(y));
    }
    resized.dpiX_ = dpiX_;
    resized.dpiY_ = dpiY_;
    *this = std::move(resized);
}

void Picture::ConvertTo(PixelFormat format)
{
    if (format == format_) return;
    Picture converted(GetSize(), colors::Black, format);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) converted.SetPixel({x, y}, GetPixel({x, y}));
    converted.dpiX_ = dpiX_;
    converted.dpiY_ = dpiY_;
    *this = std::move(converted);
}

} // namespace ix::gfx
