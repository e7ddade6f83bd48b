// ClampByte: an integer result of the brush filters brought into the byte range.
#pragma once

#include <cstdint>

namespace ix::canvas {

constexpr std::uint8_t ClampByte(std::int64_t v)
{
    return v > 255 ? std::uint8_t{255} : v < 0 ? std::uint8_t{0} : static_cast<std::uint8_t>(v);
}

} // namespace ix::canvas
