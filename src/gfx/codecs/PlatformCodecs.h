// PlatformCodecs: the codecs a target gets from its system libraries (linux/ or win32/).
#pragma once

#include "gfx/codecs/Codec.h"

#include <span>

namespace ix::gfx::codecs {

std::span<const Codec* const> PlatformCodecs();

} // namespace ix::gfx::codecs
