// libFuzzer target: the DcxCodec decoder on arbitrary bytes.
#include "FuzzCodec.h"

#include "gfx/codecs/PcxCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ix::gfx::codecs::DcxCodec codec;
    ix::gfx::codecs::fuzz::Decode(codec, data, size);
    return 0;
}
