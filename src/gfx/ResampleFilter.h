// ResampleFilter: the 14 resampling filters, numbered 0 to 13 as scripts know them, and
// their one name table. docs/resampling.md says what each filter computes.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace ix::gfx {

enum class ResampleFilter : int {
    rfNone, rfTriangle, rfHermite, rfBell, rfBSpline, rfLanczos3, rfMitchell, rfNearest,
    rfLinear, rfFastLinear, rfBilinear, rfBicubic, rfProjectBW, rfProjectWB,
};

inline constexpr int kResampleFilterCount = 14;

// The script names, without the "rf" prefix of the enumerators.
inline constexpr std::array<std::string_view, kResampleFilterCount> kResampleFilterNames = {
    "None", "Triangle", "Hermite", "Bell", "BSpline", "Lanczos3", "Mitchell",
    "Nearest", "Linear", "FastLinear", "Bilinear", "Bicubic", "ProjectBW", "ProjectWB",
};

// The filter of that exact (case-sensitive) name, or nothing.
constexpr std::optional<ResampleFilter> ResampleFilterByName(std::string_view name)
{
    for (int i = 0; i < kResampleFilterCount; ++i)
        if (kResampleFilterNames[i] == name) return static_cast<ResampleFilter>(i);
    return std::nullopt;
}

// Any stored number made into a valid filter: out-of-range numbers are rfNone.
constexpr ResampleFilter ResampleFilterFromNumber(int n)
{
    return n >= 0 && n < kResampleFilterCount ? static_cast<ResampleFilter>(n) : ResampleFilter::rfNone;
}

} // namespace ix::gfx
