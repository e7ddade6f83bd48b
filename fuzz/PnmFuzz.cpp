// libFuzzer target: the PnmCodec decoder on arbitrary bytes.
#include "FuzzCodec.h"

#include "gfx/codecs/PnmCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ix::gfx::codecs::PnmCodec codec;
    ix::gfx::codecs::fuzz::Decode(codec, data, size);
    return 0;
}
