#include "gfx/codecs/IcoCodec.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/BmpCodec.h"
#include "gfx/codecs/ByteReader.h"
#include "gfx/codecs/ByteWriter.h"
#include "gfx/codecs/Codecs.h"

#include <array>

namespace ix::gfx::codecs {

namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr int kMaxEntries = 256;

bool LooksLikeDirectory(ByteView data, int type)
{
    if (data.size() < 6 + 16) return false;
    if (data[0] != 0 || data[1] != 0 || data[2] != type || data[3] != 0) return false;
    const int count = data[4] | data[5] << 8;
    if (count == 0) return false;
    // The first entry's data must start after the directory; Decode checks the rest.
    const std::uint8_t* e = data.data() + 6;
    const std::uint32_t offset = static_cast<std::uint32_t>(e[12] | e[13] << 8 | e[14] << 16) | static_cast<std::uint32_t>(e[15]) << 24;
    return e[3] == 0 && offset >= 6u + 16u * static_cast<std::uint32_t>(count);
}

Picture DecodeEntry(ByteView image, const DecodeOptions& options, const char* format)
{
    if (image.size() >= 8 && std::equal(kPngSignature, kPngSignature + 8, image.begin())) {
        const Codec* png = FindCodec(Format::Png);
        if (!png) throw GfxError(std::string(format) + ": PNG entries are not supported");
        DecodeOptions first = options;
        first.allFrames = false;
        return std::move(png->Decode(image, first).front());
    }
    return DecodeDib(image, options.limits, true);
}

std::vector<Picture> DecodeDirectory(ByteView data, const DecodeOptions& options, int type, const char* format)
{
    ByteReader in(data, format);
    in.U16LE();
    if (in.U16LE() != type) in.Fail("no signature");
    const int count = in.U16LE();
    if (count == 0 || count > kMaxEntries) in.Fail("bad entry count");
    std::vector<Picture> result;
    for (int i = 0; i < count; ++i) {
        in.Seek(6 + static_cast<std::size_t>(i) * 16 + 8);
        const std::uint32_t size = in.U32LE();
        const std::uint32_t offset = in.U32LE();
        if (offset > data.size() || size > data.size() - offset) in.Fail("entry out of range");
        result.push_back(DecodeEntry(data.subspan(offset, size), options, format));
        if (!options.allFrames || static_cast<int>(result.size()) >= options.limits.maxFrames) break;
    }
    return result;
}

} // namespace

std::span<const std::string_view> IcoCodec::Extensions() const
{
    static constexpr std::array<std::string_view, 1> kExt{".ico"};
    return kExt;
}

bool IcoCodec::Matches(ByteView data) const { return LooksLikeDirectory(data, 1); }

std::vector<Picture> IcoCodec::Decode(ByteView data, const DecodeOptions& options) const
{
    return DecodeDirectory(data, options, 1, "ICO");
}

Bytes IcoCodec::Encode(const Picture& picture, const EncodeOptions& options) const
{
    if (picture.IsEmpty()) throw GfxError("ICO: empty picture");
    const bool large = picture.Width() > 256 || picture.Height() > 256;
    Bytes image;
    if (large) {
        const Codec* png = FindCodec(Format::Png);
        if (!png || !png->CanEncode()) throw GfxError("ICO: pictures over 256 pixels need a PNG encoder");
        if (picture.Width() > 0xFFFF || picture.Height() > 0xFFFF) throw GfxError("ICO: picture too large");
        image = png->Encode(picture, options);
    } else {
        image = EncodeDib(picture, true);
    }
    Bytes bytes;
    ByteWriter out(bytes);
    out.U16LE(0);
    out.U16LE(1);
    out.U16LE(1);
    out.U8(picture.Width() >= 256 ? 0u : static_cast<unsigned>(picture.Width()));
    out.U8(picture.Height() >= 256 ? 0u : static_cast<unsigned>(picture.Height()));
    out.U8(0);
    out.U8(0);
    out.U16LE(1);
    out.U16LE(32);
    out.U32LE(static_cast<std::uint32_t>(image.size()));
    out.U32LE(22);
    out.Append(image);
    return bytes;
}

std::span<const std::string_view> CurCodec::Extensions() const
{
    static constexpr std::array<std::string_view, 1> kExt{".cur"};
    return kExt;
}

bool CurCodec::Matches(ByteView data) const { return LooksLikeDirectory(data, 2); }

std::vector<Picture> CurCodec::Decode(ByteView data, const DecodeOptions& options) const
{
    return DecodeDirectory(data, options, 2, "CUR");
}

} // namespace ix::gfx::codecs
