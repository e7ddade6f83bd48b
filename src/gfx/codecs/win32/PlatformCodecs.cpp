#include "gfx/codecs/PlatformCodecs.h"

#include "gfx/codecs/win32/WicCodec.h"

#include <array>

namespace ix::gfx::codecs {

std::span<const Codec* const> PlatformCodecs()
{
    static const WicCodec png(Format::Png);
    static const WicCodec jpeg(Format::Jpeg);
    static const WicCodec tiff(Format::Tiff);
    static const WicCodec gif(Format::Gif);
    static const WicCodec jpegXr(Format::JpegXr);
    static const WicCodec dds(Format::Dds);
    static const std::array<const Codec*, 6> all{&png, &jpeg, &tiff, &gif, &jpegXr, &dds};
    return all;
}

} // namespace ix::gfx::codecs
