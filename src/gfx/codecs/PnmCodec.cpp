#include "gfx/codecs/PnmCodec.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/ByteReader.h"
#include "gfx/codecs/ByteWriter.h"
#include "gfx/codecs/DecodeSupport.h"

#include <array>
#include <cstdio>
#include <string>

namespace ix::gfx::codecs {

namespace {

constexpr const char* kName = "PNM";

bool IsSpace(std::uint8_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

void SkipSpaceAndComments(ByteReader& in)
{
    while (!in.AtEnd()) {
        const std::uint8_t c = in.Rest()[0];
        if (IsSpace(c)) { in.Skip(1); continue; }
        if (c == '#') {
            while (!in.AtEnd() && in.Rest()[0] != '\n' && in.Rest()[0] != '\r') in.Skip(1);
            continue;
        }
        return;
    }
}

std::uint32_t ReadNumber(ByteReader& in)
{
    SkipSpaceAndComments(in);
    std::uint64_t value = 0;
    int digits = 0;
    while (!in.AtEnd() && in.Rest()[0] >= '0' && in.Rest()[0] <= '9') {
        value = value * 10 + (in.U8() - '0');
        if (++digits > 9) in.Fail("number too long");
    }
    if (digits == 0) in.Fail("number expected");
    return static_cast<std::uint32_t>(value);
}

// One plain-format bitmap sample: a single 0 or 1, separators optional.
std::uint32_t ReadBit(ByteReader& in)
{
    SkipSpaceAndComments(in);
    const std::uint8_t c = in.U8();
    if (c != '0' && c != '1') in.Fail("bit expected");
    return c - '0';
}

Picture DecodeOne(ByteReader& in, const DecodeLimits& limits)
{
    if (in.U8() != 'P') in.Fail("no signature");
    const int kind = in.U8() - '0';
    if (kind < 1 || kind > 6) in.Fail("unsupported variant");
    const bool plain = kind <= 3;
    const bool bitmap = kind == 1 || kind == 4;
    const int channels = kind == 3 || kind == 6 ? 3 : 1;
    const std::uint32_t width = ReadNumber(in);
    const std::uint32_t height = ReadNumber(in);
    const std::uint32_t maxValue = bitmap ? 1 : ReadNumber(in);
    if (maxValue == 0 || maxValue > 65535) in.Fail("bad maximum value");
    CheckDimensions(width, height, limits, kName);
    // Every sample takes at least one byte in plain files (a bit in raw bitmaps): refuse a
    // size the remaining input cannot hold before allocating for it.
    const std::size_t samples = CheckedProduct(CheckedProduct(width, height, kName), static_cast<std::uint64_t>(channels), kName);
    const std::size_t rawRow = bitmap ? (width + 7) / 8 : CheckedProduct(width, static_cast<std::uint64_t>(channels) * (maxValue > 255 ? 2 : 1), kName);
    if (!plain) {
        if (in.AtEnd() || !IsSpace(in.U8())) in.Fail("missing separator");
        if (CheckedProduct(rawRow, height, kName) > in.Remaining()) in.Fail("truncated");
    } else if (samples > in.Remaining()) {
        in.Fail("truncated");
    }

    Picture picture = NewPicture(width, height, bitmap ? PixelFormat::BlackWhite1 : PixelFormat::Bgr24, limits, kName);
    const auto scale = [maxValue](std::uint32_t v) {
        if (v > maxValue) v = maxValue;
        return static_cast<std::uint8_t>((v * 255 + maxValue / 2) / maxValue);
    };
    const int w = static_cast<int>(width);
    for (int y = 0; y < static_cast<int>(height); ++y) {
        if (bitmap) {
            std::uint8_t* row = picture.Row(y);
            if (plain) {
                for (int x = 0; x < w; ++x) SetBit(row, x, ReadBit(in) == 0); // 1 is black
            } else {
                ByteView src = in.Bytes(rawRow);
                for (std::size_t i = 0; i < rawRow; ++i) row[i] = static_cast<std::uint8_t>(~src[i]);
            }
            continue;
        }
        Bgr* row = picture.BgrRow(y);
        ByteView src = plain ? ByteView{} : in.Bytes(rawRow);
        std::size_t at = 0;
        const auto sample = [&]() -> std::uint8_t {
            if (plain) return scale(ReadNumber(in));
            std::uint32_t v = src[at++];
            if (maxValue > 255) v = v << 8 | src[at++];
            return scale(v);
        };
        for (int x = 0; x < w; ++x) {
            if (channels == 1) {
                const std::uint8_t v = sample();
                row[x] = Bgr{v, v, v};
            } else {
                const std::uint8_t r = sample();
                const std::uint8_t g = sample();
                const std::uint8_t b = sample();
                row[x] = Bgr{b, g, r};
            }
        }
    }
    return picture;
}

} // namespace

std::span<const std::string_view> PnmCodec::Extensions() const
{
    static constexpr std::array<std::string_view, 5> kExt{".pxm", ".pnm", ".ppm", ".pgm", ".pbm"};
    return kExt;
}

bool PnmCodec::Matches(ByteView data) const
{
    return data.size() >= 3 && data[0] == 'P' && data[1] >= '1' && data[1] <= '6' && IsSpace(data[2]);
}

std::vector<Picture> PnmCodec::Decode(ByteView data, const DecodeOptions& options) const
{
    ByteReader in(data, kName);
    std::vector<Picture> result;
    result.push_back(DecodeOne(in, options.limits));
    while (options.allFrames && static_cast<int>(result.size()) < options.limits.maxFrames) {
        SkipSpaceAndComments(in);
        if (in.Remaining() < 3 || !Matches(in.Rest())) break;
        result.push_back(DecodeOne(in, options.limits));
    }
    return result;
}

Bytes PnmCodec::Encode(const Picture& picture, const EncodeOptions& options) const
{
    if (picture.IsEmpty()) throw GfxError("PNM: empty picture");
    const std::string_view ext = options.extension;
    const auto is = [&](std::string_view e) {
        if (ext.size() != e.size()) return false;
        for (std::size_t i = 0; i < e.size(); ++i)
            if ((ext[i] | 0x20) != e[i] && ext[i] != e[i]) return false;
        return true;
    };
    int kind = picture.Format() == PixelFormat::BlackWhite1 ? 4 : 6;
    if (is(".pbm")) kind = 4;
    else if (is(".pgm")) kind = 5;
    else if (is(".ppm")) kind = 6;

    Picture source = picture;
    source.ConvertTo(kind == 4 ? PixelFormat::BlackWhite1 : PixelFormat::Bgr24);
    Bytes bytes;
    ByteWriter out(bytes);
    char header[64];
    std::snprintf(header, sizeof header, "P%d\n%d %d\n%s", kind, source.Width(), source.Height(), kind == 4 ? "" : "255\n");
    out.Text(header);
    for (int y = 0; y < source.Height(); ++y) {
        if (kind == 4) {
            const std::uint8_t* row = source.Row(y);
            for (std::size_t i = 0; i < source.Stride(); ++i) out.U8(static_cast<std::uint8_t>(~row[i]));
            continue;
        }
        const Bgr* row = source.BgrRow(y);
        for (int x = 0; x < source.Width(); ++x) {
            if (kind == 5) {
                out.U8(static_cast<unsigned>((row[x].r * 299 + row[x].g * 587 + row[x].b * 114 + 500) / 1000));
            } else {
                out.U8(row[x].r);
                out.U8(row[x].g);
                out.U8(row[x].b);
            }
        }
    }
    return bytes;
}

} // namespace ix::gfx::codecs
