// Picture: a raster image as the canvas keeps it.
//
// Pixels are rows of 24-bit blue-green-red triples (PixelFormat::Bgr24), or rows of bits
// (PixelFormat::BlackWhite1, most significant bit first, bit set = white) for the
// black-and-white processing operations. A Bgr24 picture may carry an 8-bit alpha plane
// (0 transparent, 255 opaque); without one every pixel counts as opaque.
//
// Limits: each side at most kMaxSide pixels and the pixel data at most kMaxBytes; a
// larger request, or an allocation the process cannot satisfy, throws GfxError before
// anything changes. A Picture is a value: copying it copies its pixels.
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ix::gfx {

enum class PixelFormat { Bgr24, BlackWhite1 };

class Picture {
public:
    static constexpr int kMaxSide = 1 << 18;
    static constexpr std::size_t kMaxBytes = std::size_t{3} << 29; // 1.5 GiB: a 32-bit process has 2 GiB

    Picture() = default; // 0 × 0, Bgr24, no alpha
    // A picture of the given size filled with `fill` (opaque). Throws GfxError.
    explicit Picture(Size size, Color fill = colors::White, PixelFormat format = PixelFormat::Bgr24);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Size GetSize() const { return {width_, height_}; }
    Rect Bounds() const { return Rect::FromSize(GetSize()); }
    bool IsEmpty() const { return width_ == 0 || height_ == 0; }
    PixelFormat Format() const { return format_; }
    std::size_t Stride() const { return stride_; }

    // Row access for hot loops; y must lie inside the picture.
    std::uint8_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * stride_; }
    const std::uint8_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * stride_; }
    Bgr* BgrRow(int y) { return reinterpret_cast<Bgr*>(Row(y)); }
    const Bgr* BgrRow(int y) const { return reinterpret_cast<const Bgr*>(Row(y)); }

    // Checked pixel access: outside the picture GetPixel gives black and SetPixel does nothing.
    Color GetPixel(Point p) const;
    void SetPixel(Point p, Color c);

    // The alpha plane.
    bool HasAlpha() const { return hasAlpha_; }
    // Creates the plane filled with `value` when there is none; keeps an existing one.
    void EnsureAlpha(std::uint8_t value = 255);
    void RemoveAlpha();
    std::uint8_t* AlphaRow(int y) { return alpha_.data() + static_cast<std::size_t>(y) * width_; }
    const std::uint8_t* AlphaRow(int y) const { return alpha_.data() + static_cast<std::size_t>(y) * width_; }
    std::uint8_t GetAlpha(Point p) const; // 255 without a plane or outside
    void SetAlpha(Point p, std::uint8_t a); // creates the plane when needed

    // Every pixel := c (alpha untouched).
    void Fill(Color c);
    // New size, content anchored at the top-left; new area gets `fill` and is opaque.
    // Throws GfxError (picture unchanged) when the size is refused.
    void Resize(Size size, Color fill = colors::White);
    // Conversions between the formats; to BlackWhite1 a pixel is white when its
    // luminance is at least 128. Alpha is dropped on the way to 1 bit.
    void ConvertTo(PixelFormat format);

    int DpiX() const { return dpiX_; }
    int DpiY() const { return dpiY_; }
    void SetDpi(int x, int y) { dpiX_ = x; dpiY_ = y; }

    friend bool operator==(const Picture&, const Picture&) = default;

    // The byte count of a picture's pixel rows, or throws GfxError when refused.
    static std::size_t CheckedByteCount(Size size, PixelFormat format);

private:
    int width_ = 0;
    int height_ = 0;
    PixelFormat format_ = PixelFormat::Bgr24;
    std::size_t stride_ = 0;
    std::vector<std::uint8_t> pixels_;
    std::vector<std::uint8_t> alpha_;
    bool hasAlpha_ = false;
    int dpiX_ = 96;
    int dpiY_ = 96;
};

} // namespace ix::gfx
