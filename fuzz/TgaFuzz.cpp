// libFuzzer target: the TgaCodec decoder on arbitrary bytes.
#include "FuzzCodec.h"

#include "gfx/codecs/TgaCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ix::gfx::codecs::TgaCodec codec;
    ix::gfx::codecs::fuzz::Decode(codec, data, size);
    return 0;
}
