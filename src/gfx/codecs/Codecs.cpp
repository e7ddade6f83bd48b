#include "gfx/codecs/Codecs.h"

#include "gfx/codecs/BmpCodec.h"
#include "gfx/codecs/IcoCodec.h"
#include "gfx/codecs/PcxCodec.h"
#include "gfx/codecs/PlatformCodecs.h"
#include "gfx/codecs/PnmCodec.h"
#include "gfx/codecs/PsdCodec.h"
#include "gfx/codecs/TgaCodec.h"
#include "gfx/codecs/WbmpCodec.h"

#include <algorithm>
#include <array>
#include <vector>

namespace ix::gfx::codecs {

namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// Stateless and immutable: one instance of each serves every canvas.
const std::vector<const Codec*>& Registry()
{
    static const BmpCodec bmp;
    static const PcxCodec pcx;
    static const DcxCodec dcx;
    static const PnmCodec pnm;
    static const IcoCodec ico;
    static const CurCodec cur;
    static const PsdCodec psd;
    static const WbmpCodec wbmp;
    static const TgaCodec tga;
    static const std::vector<const Codec*> all = [] {
        // Formats with a real signature come first; WBMP (checked by its exact size) and
        // TGA (no signature at all, only plausible header fields) are tried last.
        std::vector<const Codec*> list{&bmp, &pcx, &dcx, &pnm, &ico, &cur, &psd};
        for (const Codec* codec : PlatformCodecs()) list.push_back(codec);
        list.push_back(&wbmp);
        list.push_back(&tga);
        return list;
    }();
    return all;
}

} // namespace

std::span<const Codec* const> AllCodecs() { return Registry(); }

const Codec* FindCodec(Format format)
{
    for (const Codec* codec : Registry())
        if (codec->Kind() == format) return codec;
    return nullptr;
}

const Codec* CodecForContent(ByteView data)
{
    for (const Codec* codec : Registry())
        if (codec->Matches(data)) return codec;
    return nullptr;
}

std::string_view ExtensionOf(std::string_view fileName)
{
    const std::size_t slash = fileName.find_last_of("/\\");
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
    return fileName.substr(dot);
}

const Codec* CodecForFileName(std::string_view fileName)
{
    const std::string_view ext = ExtensionOf(fileName);
    if (ext.empty()) return nullptr;
    for (const Codec* codec : Registry()) {
        if (!codec->CanEncode()) continue;
        for (std::string_view e : codec->Extensions())
            if (EqualsIgnoringAsciiCase(e, ext)) return codec;
    }
    return nullptr;
}

std::optional<std::vector<Picture>> DecodePictures(ByteView data, const DecodeOptions& options)
{
    const Codec* codec = CodecForContent(data);
    if (!codec) return std::nullopt;
    return codec->Decode(data, options);
}

std::optional<Picture> DecodePicture(ByteView data, const DecodeOptions& options)
{
    DecodeOptions first = options;
    first.allFrames = false;
    auto pictures = DecodePictures(data, first);
    if (!pictures) return std::nullopt;
    return std::move(pictures->front());
}

std::optional<Bytes> EncodePicture(std::string_view fileName, const Picture& picture, const EncodeOptions& options)
{
    const Codec* codec = CodecForFileName(fileName);
    if (!codec) return std::nullopt;
    EncodeOptions withExtension = options;
    withExtension.extension = ExtensionOf(fileName);
    return codec->Encode(picture, withExtension);
}

} // namespace ix::gfx::codecs
