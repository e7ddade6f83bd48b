// libFuzzer target: the Photoshop composite and layer decoders on arbitrary bytes.
#include "FuzzCodec.h"

#include "gfx/codecs/PsdCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ix::gfx::codecs::PsdCodec codec;
    ix::gfx::codecs::fuzz::Decode(codec, data, size);
    try {
        ix::gfx::codecs::DecodePsdLayers(ix::gfx::codecs::ByteView(data, size), ix::gfx::codecs::fuzz::Options().limits);
    } catch (const ix::gfx::GfxError&) {
    }
    return 0;
}
