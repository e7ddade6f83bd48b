#include "gfx/codecs/TgaCodec.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/ByteReader.h"
#include "gfx/codecs/ByteWriter.h"
#include "gfx/codecs/DecodeSupport.h"

#include <array>
#include <cstring>

namespace ix::gfx::codecs {

namespace {

constexpr const char* kName = "TGA";
constexpr char kFooter[] = "TRUEVISION-XFILE.";

struct Header {
    int idLength, mapType, type, mapFirst, mapLength, mapDepth, width, height, depth, descriptor;
};

Header ReadHeader(ByteReader& in)
{
    Header h{};
    h.idLength = in.U8();
    h.mapType = in.U8();
    h.type = in.U8();
    h.mapFirst = in.U16LE();
    h.mapLength = in.U16LE();
    h.mapDepth = in.U8();
    in.U16LE();
    in.U16LE();
    h.width = in.U16LE();
    h.height = in.U16LE();
    h.depth = in.U8();
    h.descriptor = in.U8();
    return h;
}

bool Plausible(const Header& h)
{
    const int base = h.type & ~8;
    if (h.mapType > 1 || (base != 1 && base != 2 && base != 3) || (h.type & ~0x0B) != 0) return false;
    if (base == 1 && (h.mapType != 1 || h.depth != 8)) return false;
    if (base != 1 && h.mapType != 0 && h.mapLength == 0) return false;
    if (h.mapType == 1 && h.mapDepth != 15 && h.mapDepth != 16 && h.mapDepth != 24 && h.mapDepth != 32) return false;
    if (base == 2 && h.depth != 15 && h.depth != 16 && h.depth != 24 && h.depth != 32) return false;
    if (base == 3 && h.depth != 8) return false;
    if ((h.descriptor & 0xC0) != 0 || h.width == 0 || h.height == 0) return false;
    return true;
}

Bgr Color16(std::uint16_t v)
{
    const auto five = [](unsigned x) { return static_cast<std::uint8_t>((x << 3) | (x >> 2)); };
    return Bgr{five(v & 0x1F), five(v >> 5 & 0x1F), five(v >> 10 & 0x1F)};
}

// Unpacks the (possibly run-length encoded) pixel stream into exactly `count` pixels of
// `bytes` bytes each.
std::vector<std::uint8_t> ReadPixels(ByteReader& in, bool rle, std::size_t count, int bytes)
{
    const std::size_t total = CheckedProduct(count, static_cast<std::uint64_t>(bytes), kName);
    if (!rle) {
        ByteView raw = in.Bytes(total);
        return {raw.begin(), raw.end()};
    }
    // A packet of at most 128 pixels takes at least 1 + bytes input bytes: refuse input
    // too short to fill the picture before allocating for it.
    if (in.Remaining() < (count + 127) / 128 * static_cast<std::size_t>(1 + bytes)) in.Fail("truncated");
    std::vector<std::uint8_t> out;
    out.reserve(total);
    while (out.size() < total) {
        const std::uint8_t packet = in.U8();
        const std::size_t n = static_cast<std::size_t>(packet & 0x7F) + 1;
        const std::size_t take = std::min(n * static_cast<std::size_t>(bytes), total - out.size());
        if (packet & 0x80) {
            ByteView px = in.Bytes(static_cast<std::size_t>(bytes));
            for (std::size_t i = 0; i < take; ++i) out.push_back(px[i % static_cast<std::size_t>(bytes)]);
        } else {
            ByteView px = in.Bytes(n * static_cast<std::size_t>(bytes));
            out.insert(out.end(), px.begin(), px.begin() + static_cast<std::ptrdiff_t>(take));
        }
    }
    return out;
}

void WriteRleRow(ByteWriter& out, const std::uint8_t* row, int width, int bytes)
{
    const auto same = [&](int a, int b) { return std::memcmp(row + a * bytes, row + b * bytes, static_cast<std::size_t>(bytes)) == 0; };
    int x = 0;
    while (x < width) {
        int run = 1;
        while (x + run < width && run < 128 && same(x, x + run)) ++run;
        if (run > 1) {
            out.U8(0x80u | static_cast<unsigned>(run - 1));
            out.Append(ByteView(row + x * bytes, static_cast<std::size_t>(bytes)));
            x += run;
            continue;
        }
        int literal = 1;
        while (x + literal < width && literal < 128 && !(x + literal + 1 < width && same(x + literal, x + literal + 1))) ++literal;
        out.U8(static_cast<unsigned>(literal - 1));
        out.Append(ByteView(row + x * bytes, static_cast<std::size_t>(literal * bytes)));
        x += literal;
    }
}

} // namespace

std::span<const std::string_view> TgaCodec::Extensions() const
{
    static constexpr std::array<std::string_view, 6> kExt{".tga", ".targa", ".vda", ".icb", ".vst", ".pix"};
    return kExt;
}

bool TgaCodec::Matches(ByteView data) const
{
    if (data.size() < 18) return false;
    ByteReader in(data, kName);
    const Header h = ReadHeader(in);
    return Plausible(h);
}

std::vector<Picture> TgaCodec::Decode(ByteView data, const DecodeOptions& options) const
{
    ByteReader in(data, kName);
    const Header h = ReadHeader(in);
    if (!Plausible(h)) in.Fail("unsupported header");
    CheckDimensions(h.width, h.height, options.limits, kName);
    in.Skip(static_cast<std::size_t>(h.idLength));

    Palette palette;
    if (h.mapType == 1) {
        const int entryBytes = (h.mapDepth + 7) / 8;
        palette.resize(static_cast<std::size_t>(h.mapFirst) + static_cast<std::size_t>(h.mapLength));
        for (int i = 0; i < h.mapLength; ++i) {
            ByteView e = in.Bytes(static_cast<std::size_t>(entryBytes));
            Bgr& c = palette[static_cast<std::size_t>(h.mapFirst + i)];
            c = entryBytes == 2 ? Color16(static_cast<std::uint16_t>(e[0] | e[1] << 8)) : Bgr{e[0], e[1], e[2]};
        }
    }

    const int base = h.type & ~8;
    const int bytes = (h.depth + 7) / 8;
    const std::size_t count = CheckedProduct(static_cast<std::uint64_t>(h.width), static_cast<std::uint64_t>(h.height), kName);
    const std::vector<std::uint8_t> pixels = ReadPixels(in, (h.type & 8) != 0, count, bytes);

    Picture picture = NewPicture(h.width, h.height, PixelFormat::Bgr24, options.limits, kName);
    const bool alphaBits = h.depth == 32;
    if (alphaBits) picture.EnsureAlpha(255);
    const bool topDown = (h.descriptor & 0x20) != 0;
    const bool rightToLeft = (h.descriptor & 0x10) != 0;
    bool anyAlpha = false;
    for (int r = 0; r < h.height; ++r) {
        const int y = topDown ? r : h.height - 1 - r;
        Bgr* row = picture.BgrRow(y);
        std::uint8_t* a = alphaBits ? picture.AlphaRow(y) : nullptr;
        const std::uint8_t* src = pixels.data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(h.width) * static_cast<std::size_t>(bytes);
        for (int c = 0; c < h.width; ++c) {
            const int x = rightToLeft ? h.width - 1 - c : c;
            const std::uint8_t* p = src + static_cast<std::size_t>(c) * static_cast<std::size_t>(bytes);
            if (base == 1) row[x] = p[0] < palette.size() ? palette[p[0]] : Bgr{};
            else if (base == 3) row[x] = Bgr{p[0], p[0], p[0]};
            else if (bytes == 2) row[x] = Color16(static_cast<std::uint16_t>(p[0] | p[1] << 8));
            else row[x] = Bgr{p[0], p[1], p[2]};
            if (a) {
                a[x] = p[3];
                anyAlpha = anyAlpha || p[3] != 0;
            }
        }
    }
    // Writers that leave the alpha bits undeclared often leave the bytes 0: such a file
    // is an opaque picture.
    if (alphaBits && (h.descriptor & 0x0F) == 0 && !anyAlpha) picture.RemoveAlpha();
    std::vector<Picture> result;
    result.push_back(std::move(picture));
    return result;
}

Bytes TgaCodec::Encode(const Picture& source, const EncodeOptions&) const
{
    if (source.IsEmpty()) throw GfxError("TGA: empty picture");
    if (source.Width() > 0xFFFF || source.Height() > 0xFFFF) throw GfxError("TGA: picture too large for the format");
    const Bgr24Source bgr(source);
    const Picture& picture = *bgr;
    const bool alpha = HasTransparency(picture);
    const int bytes = alpha ? 4 : 3;
    Bytes out;
    ByteWriter w(out);
    w.U8(0);
    w.U8(0);
    w.U8(10);
    w.Fill(5, 0);
    w.U16LE(0);
    w.U16LE(0);
    w.U16LE(static_cast<unsigned>(picture.Width()));
    w.U16LE(static_cast<unsigned>(picture.Height()));
    w.U8(alpha ? 32 : 24);
    w.U8(0x20u | (alpha ? 8u : 0u)); // top-down rows
    std::vector<std::uint8_t> row(static_cast<std::size_t>(picture.Width()) * static_cast<std::size_t>(bytes));
    for (int y = 0; y < picture.Height(); ++y) {
        const Bgr* src = picture.BgrRow(y);
        for (int x = 0; x < picture.Width(); ++x) {
            std::uint8_t* p = row.data() + static_cast<std::size_t>(x) * static_cast<std::size_t>(bytes);
            p[0] = src[x].b;
            p[1] = src[x].g;
            p[2] = src[x].r;
            if (alpha) p[3] = picture.AlphaRow(y)[x];
        }
        WriteRleRow(w, row.data(), picture.Width(), bytes);
    }
    w.U32LE(0);
    w.U32LE(0);
    w.Append(ByteView(reinterpret_cast<const std::uint8_t*>(kFooter), sizeof kFooter));
    return out;
}

} // namespace ix::gfx::codecs
