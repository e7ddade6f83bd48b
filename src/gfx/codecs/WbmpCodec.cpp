#include "gfx/codecs/WbmpCodec.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/ByteReader.h"
#include "gfx/codecs/ByteWriter.h"
#include "gfx/codecs/DecodeSupport.h"

#include <array>
#include <optional>

namespace ix::gfx::codecs {

namespace {

constexpr const char* kName = "WBMP";

// A multi-byte integer: 7 bits per byte, high bit set on every byte but the last.
std::uint32_t ReadMultiByte(ByteReader& in)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const std::uint8_t b = in.U8();
        value = value << 7 | (b & 0x7F);
        if (!(b & 0x80)) return value;
    }
    in.Fail("integer too long");
}

void WriteMultiByte(ByteWriter& out, std::uint32_t v)
{
    std::uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = static_cast<std::uint8_t>(v & 0x7F);
        v >>= 7;
    } while (v != 0);
    while (n-- > 0) out.U8(groups[n] | (n > 0 ? 0x80u : 0u));
}

struct Header {
    std::uint32_t width, height;
    std::size_t dataOffset;
};

Header ReadHeader(ByteReader& in)
{
    if (ReadMultiByte(in) != 0) in.Fail("unsupported type");
    if (in.U8() != 0) in.Fail("extension headers are not supported");
    Header h{};
    h.width = ReadMultiByte(in);
    h.height = ReadMultiByte(in);
    h.dataOffset = in.Position();
    return h;
}

std::optional<Header> TryHeader(ByteView data)
{
    try {
        ByteReader in(data, kName);
        return ReadHeader(in);
    } catch (const GfxError&) {
        return std::nullopt;
    }
}

} // namespace

std::span<const std::string_view> WbmpCodec::Extensions() const
{
    static constexpr std::array<std::string_view, 1> kExt{".wbmp"};
    return kExt;
}

bool WbmpCodec::Matches(ByteView data) const
{
    const auto h = TryHeader(data);
    if (!h || h->width == 0 || h->height == 0) return false;
    const std::uint64_t expected = h->dataOffset + (static_cast<std::uint64_t>(h->width) + 7) / 8 * h->height;
    return expected == data.size();
}

std::vector<Picture> WbmpCodec::Decode(ByteView data, const DecodeOptions& options) const
{
    ByteReader in(data, kName);
    const Header h = ReadHeader(in);
    CheckDimensions(h.width, h.height, options.limits, kName);
    const std::size_t stride = (h.width + 7) / 8;
    if (CheckedProduct(stride, h.height, kName) > in.Remaining()) in.Fail("truncated");
    Picture picture = NewPicture(h.width, h.height, PixelFormat::BlackWhite1, options.limits, kName);
    for (int y = 0; y < picture.Height(); ++y) {
        ByteView row = in.Bytes(stride);
        std::copy(row.begin(), row.end(), picture.Row(y));
    }
    std::vector<Picture> result;
    result.push_back(std::move(picture));
    return result;
}

Bytes WbmpCodec::Encode(const Picture& source, const EncodeOptions&) const
{
    if (source.IsEmpty()) throw GfxError("WBMP: empty picture");
    Picture picture = source;
    picture.ConvertTo(PixelFormat::BlackWhite1);
    Bytes bytes;
    ByteWriter out(bytes);
    out.U8(0);
    out.U8(0);
    WriteMultiByte(out, static_cast<std::uint32_t>(picture.Width()));
    WriteMultiByte(out, static_cast<std::uint32_t>(picture.Height()));
    for (int y = 0; y < picture.Height(); ++y) out.Append(ByteView(picture.Row(y), picture.Stride()));
    return bytes;
}

} // namespace ix::gfx::codecs
