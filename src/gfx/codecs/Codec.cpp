#include "gfx/codecs/Codec.h"

#include "gfx/GfxError.h"

#include <string>

namespace ix::gfx::codecs {

Bytes Codec::Encode(const Picture&, const EncodeOptions&) const
{
    throw GfxError(std::string(Name()) + ": writing is not supported");
}

} // namespace ix::gfx::codecs
