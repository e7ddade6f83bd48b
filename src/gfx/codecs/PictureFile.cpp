#include "gfx/codecs/PictureFile.h"

#include "gfx/codecs/Codecs.h"
#include "gfx/codecs/FileSystem.h"
#include "gfx/codecs/PsdCodec.h"

namespace ix::gfx::codecs {

std::optional<std::vector<Picture>> LoadPictureFiles(std::string_view cp1251Name, const DecodeOptions& options)
{
    const Bytes bytes = ReadWholeFile(cp1251Name);
    return DecodePictures(bytes, options);
}

std::optional<Picture> LoadPictureFile(std::string_view cp1251Name, const DecodeOptions& options)
{
    const Bytes bytes = ReadWholeFile(cp1251Name);
    return DecodePicture(bytes, options);
}

std::optional<std::vector<Layer>> LoadLayeredPictureFile(std::string_view cp1251Name, const DecodeLimits& limits)
{
    const Bytes bytes = ReadWholeFile(cp1251Name);
    const Codec* codec = CodecForContent(bytes);
    if (!codec) return std::nullopt;
    if (codec->Kind() == Format::Psd) return DecodePsdLayers(bytes, limits);
    DecodeOptions options;
    options.limits = limits;
    std::vector<Layer> layers(1);
    layers[0].picture = std::move(codec->Decode(bytes, options).front());
    return layers;
}

bool SavePictureFile(std::string_view cp1251Name, const Picture& picture, const EncodeOptions& options)
{
    const auto bytes = EncodePicture(cp1251Name, picture, options);
    if (!bytes) return false;
    WriteWholeFile(cp1251Name, *bytes);
    return true;
}

std::optional<LayerDocument> LoadLayerFile(std::string_view cp1251Name, const DecodeLimits& limits)
{
    const Bytes bytes = ReadWholeFile(cp1251Name);
    if (!HasLayerFileSignature(bytes)) return std::nullopt;
    return ReadLayerFile(bytes, limits);
}

void SaveLayerFile(std::string_view cp1251Name, std::span<const Layer> layers, int currentIndex)
{
    WriteWholeFile(cp1251Name, WriteLayerFile(layers, currentIndex));
}

} // namespace ix::gfx::codecs
