// BlendOp: the 38 layer blend operations, numbered 0 to 37 as scripts and files know
// them, and their one name table. The formulas live in Blend.h; docs/blend-operations.md
// writes them down.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace ix::gfx {

enum class BlendOp : int {
    Normal, Add, Sub, Div, Mul, Or, And, Xor, Max, Min, Average, Screen, Negation, Exclusion,
    Overlay, HardLight, SoftLight, XFader, ColorEdge, ColorBurn, InverseColorDodge,
    InverseColorBurn, SoftDodge, SoftBurn, Reflect, Glow, Freeze, Eat, Subtractive,
    Interpolation, Stamp, Red, Green, Blue, Hue, Saturation, Color, Luminosity,
};

inline constexpr int kBlendOpCount = 38;

inline constexpr std::array<std::string_view, kBlendOpCount> kBlendOpNames = {
    "Normal", "Add", "Sub", "Div", "Mul", "OR", "AND", "XOR", "MAX", "MIN", "Average",
    "Screen", "Negation", "Exclusion", "Overlay", "HardLight", "SoftLight", "XFader",
    "ColorEdge", "ColorBurn", "InverseColorDodge", "InverseColorBurn", "SoftDodge",
    "SoftBurn", "Reflect", "Glow", "Freeze", "Eat", "Subtractive", "Interpolation", "Stamp",
    "Red", "Green", "Blue", "Hue", "Saturation", "Color", "Luminosity",
};

// The operation of that exact (case-sensitive) name, or nothing.
constexpr std::optional<BlendOp> BlendOpByName(std::string_view name)
{
    for (int i = 0; i < kBlendOpCount; ++i)
        if (kBlendOpNames[i] == name) return static_cast<BlendOp>(i);
    return std::nullopt;
}

// Any stored number made into a valid operation: out-of-range numbers are Normal.
constexpr BlendOp BlendOpFromNumber(int n)
{
    return n >= 0 && n < kBlendOpCount ? static_cast<BlendOp>(n) : BlendOp::Normal;
}

} // namespace ix::gfx
