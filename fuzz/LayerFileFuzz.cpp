// libFuzzer target: the layer-file reader on arbitrary bytes (the signature is given, so
// every input reaches the parser).
#include "FuzzCodec.h"

#include "gfx/codecs/LayerFile.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ix::gfx::codecs;
    std::vector<std::uint8_t> file(8 + size);
    std::memcpy(file.data(), kLayerFileSignature, 8);
    if (size) std::memcpy(file.data() + 8, data, size);
    try {
        ReadLayerFile(file, fuzz::Options().limits);
    } catch (const ix::gfx::GfxError&) {
    }
    return 0;
}
