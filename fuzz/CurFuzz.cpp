// libFuzzer target: the CurCodec decoder on arbitrary bytes.
#include "FuzzCodec.h"

#include "gfx/codecs/IcoCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ix::gfx::codecs::CurCodec codec;
    ix::gfx::codecs::fuzz::Decode(codec, data, size);
    return 0;
}
