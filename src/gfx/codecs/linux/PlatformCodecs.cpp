#include "gfx/codecs/PlatformCodecs.h"

#include "gfx/codecs/linux/LibraryCodecs.h"

#include <array>

namespace ix::gfx::codecs {

std::span<const Codec* const> PlatformCodecs()
{
    static const PngCodec png;
    static const JpegCodec jpeg;
    static const TiffCodec tiff;
    static const GifCodec gif;
    static const std::array<const Codec*, 4> all{&png, &jpeg, &tiff, &gif};
    return all;
}

} // namespace ix::gfx::codecs
