// Color: the system's 24-bit colour value and the pixel layouts pictures store.
//
// A Color is R + 256·G + 65536·B, the value scripts and host variables carry. Pictures
// store pixels as three bytes in blue-green-red order (Bgr); Rgba8 is the 32-bit surface
// pixel the renderer writes.
#pragma once

#include <cstdint>

namespace ix::gfx {

struct Bgr {
    std::uint8_t b = 0;
    std::uint8_t g = 0;
    std::uint8_t r = 0;
    friend constexpr bool operator==(Bgr, Bgr) = default;
};
static_assert(sizeof(Bgr) == 3);

class Color {
public:
    constexpr Color() = default;
    constexpr explicit Color(std::uint32_t value) : value_(value & 0xFFFFFFu) {}
    static constexpr Color FromRgb(int r, int g, int b)
    {
        return Color(static_cast<std::uint32_t>(r & 0xFF) | static_cast<std::uint32_t>(g & 0xFF) << 8 |
                     static_cast<std::uint32_t>(b & 0xFF) << 16);
    }
    static constexpr Color FromBgr(Bgr p) { return FromRgb(p.r, p.g, p.b); }

    constexpr std::uint32_t Value() const { return value_; }
    constexpr std::uint8_t R() const { return static_cast<std::uint8_t>(value_); }
    constexpr std::uint8_t G() const { return static_cast<std::uint8_t>(value_ >> 8); }
    constexpr std::uint8_t B() const { return static_cast<std::uint8_t>(value_ >> 16); }
    constexpr Bgr ToBgr() const { return Bgr{B(), G(), R()}; }

    friend constexpr bool operator==(Color, Color) = default;

private:
    std::uint32_t value_ = 0;
};

namespace colors {
inline constexpr Color Black = Color::FromRgb(0, 0, 0);
inline constexpr Color White = Color::FromRgb(255, 255, 255);
inline constexpr Color Gray = Color::FromRgb(128, 128, 128);
inline constexpr Color Red = Color::FromRgb(255, 0, 0);
inline constexpr Color Yellow = Color::FromRgb(255, 255, 0);
inline constexpr Color Fuchsia = Color::FromRgb(255, 0, 255);
} // namespace colors

} // namespace ix::gfx
