#include "gfx/codecs/PcxCodec.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/ByteReader.h"
#include "gfx/codecs/ByteWriter.h"
#include "gfx/codecs/DecodeSupport.h"

#include <array>

namespace ix::gfx::codecs {

namespace {

constexpr const char* kName = "PCX";
constexpr std::uint32_t kDcxMagic = 0x3ADE68B1;
constexpr int kDcxMaxPages = 1023;

// The 16-colour palette of the EGA, used when a 4-plane file leaves its header palette 0.
Palette EgaPalette()
{
    Palette p;
    for (int i = 0; i < 16; ++i) {
        const std::uint8_t hi = i & 8 ? 0x55 : 0;
        const auto level = [&](int bit) { return static_cast<std::uint8_t>((i & bit ? 0xAA : 0) + hi); };
        p.push_back(Bgr{level(1), level(2), level(4)});
    }
    return p;
}

Picture DecodePcx(ByteView data, const DecodeLimits& limits)
{
    ByteReader in(data, kName);
    if (in.U8() != 0x0A) in.Fail("no signature");
    in.U8(); // version
    const int encoding = in.U8();
    const int bits = in.U8();
    const int xMin = in.U16LE(), yMin = in.U16LE(), xMax = in.U16LE(), yMax = in.U16LE();
    const int dpiX = in.U16LE(), dpiY = in.U16LE();
    ByteView headerPalette = in.Bytes(48);
    in.U8();
    const int planes = in.U8();
    const int bytesPerLine = in.U16LE();
    in.Seek(128);
    if (encoding > 1) in.Fail("unknown encoding");
    if (xMax < xMin || yMax < yMin) in.Fail("bad window");
    const int width = xMax - xMin + 1;
    const int height = yMax - yMin + 1;
    const bool mono = bits == 1 && planes == 1;
    const bool ega = bits == 1 && planes == 4;
    const bool pal4 = bits == 4 && planes == 1;
    const bool pal8 = bits == 8 && planes == 1;
    const bool rgb = bits == 8 && (planes == 3 || planes == 4);
    if (!mono && !ega && !pal4 && !pal8 && !rgb) in.Fail("unsupported bit depth");
    if (bytesPerLine < (width * bits + 7) / 8) in.Fail("line too short");
    CheckDimensions(width, height, limits, kName);
    const std::size_t scanBytes = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(planes);
    // Every input byte gives at most 63 output bytes.
    if (encoding == 1 && CheckedProduct(scanBytes, static_cast<std::uint64_t>(height), kName) / 63 > in.Remaining())
        in.Fail("truncated");

    Palette palette;
    if (pal8) {
        if (data.size() < 128 + 769 || data[data.size() - 769] != 0x0C) in.Fail("missing palette");
        for (std::size_t i = data.size() - 768; i < data.size(); i += 3) palette.push_back(Bgr{data[i + 2], data[i + 1], data[i]});
    } else if (ega || pal4) {
        bool zero = true;
        for (int i = 0; i < 16; ++i) {
            palette.push_back(Bgr{headerPalette[static_cast<std::size_t>(3 * i + 2)], headerPalette[static_cast<std::size_t>(3 * i + 1)], headerPalette[static_cast<std::size_t>(3 * i)]});
            zero = zero && palette.back() == Bgr{};
        }
        if (zero) palette = EgaPalette();
    }

    Picture picture = NewPicture(width, height, mono ? PixelFormat::BlackWhite1 : PixelFormat::Bgr24, limits, kName);
    picture.SetDpi(dpiX > 0 ? dpiX : 96, dpiY > 0 ? dpiY : 96);
    if (planes == 4 && rgb) picture.EnsureAlpha(255);
    std::vector<std::uint8_t> scan(scanBytes);
    std::vector<std::uint8_t> indexes(static_cast<std::size_t>(width));
    int pending = 0;          // the rest of a run that crosses the end of a line
    std::uint8_t pendingValue = 0;
    for (int y = 0; y < height; ++y) {
        std::size_t at = 0;
        while (at < scanBytes) {
            if (pending > 0) {
                scan[at++] = pendingValue;
                --pending;
                continue;
            }
            const std::uint8_t c = in.U8();
            if (encoding == 1 && (c & 0xC0) == 0xC0) {
                pending = c & 0x3F;
                pendingValue = in.U8();
            } else {
                scan[at++] = c;
            }
        }
        const std::size_t line = static_cast<std::size_t>(bytesPerLine);
        if (mono) {
            std::copy_n(scan.data(), picture.Stride(), picture.Row(y));
        } else if (rgb) {
            Bgr* row = picture.BgrRow(y);
            for (int x = 0; x < width; ++x) {
                const auto px = static_cast<std::size_t>(x);
                row[x] = Bgr{scan[2 * line + px], scan[line + px], scan[px]};
                if (planes == 4) picture.AlphaRow(y)[x] = scan[3 * line + px];
            }
        } else {
            for (int x = 0; x < width; ++x) {
                const auto px = static_cast<std::size_t>(x);
                if (pal8) indexes[px] = scan[px];
                else if (pal4) indexes[px] = static_cast<std::uint8_t>(x & 1 ? scan[px / 2] & 0x0F : scan[px / 2] >> 4);
                else {
                    int v = 0;
                    for (int p = 0; p < 4; ++p) v |= GetBit(scan.data() + static_cast<std::size_t>(p) * line, x) << p;
                    indexes[px] = static_cast<std::uint8_t>(v);
                }
            }
            StoreIndexedRow(picture, y, indexes.data(), palette);
        }
    }
    return picture;
}

void WriteRunLength(ByteWriter& out, const std::uint8_t* line, std::size_t n)
{
    std::size_t i = 0;
    while (i < n) {
        std::size_t run = 1;
        while (i + run < n && run < 63 && line[i + run] == line[i]) ++run;
        if (run > 1 || (line[i] & 0xC0) == 0xC0) out.U8(0xC0u | static_cast<unsigned>(run));
        out.U8(line[i]);
        i += run;
    }
}

Bytes EncodePcx(const Picture& source)
{
    if (source.IsEmpty()) throw GfxError("PCX: empty picture");
    if (source.Width() > 0xFFFF || source.Height() > 0xFFFF) throw GfxError("PCX: picture too large for the format");
    const bool mono = source.Format() == PixelFormat::BlackWhite1;
    const Picture& picture = source; // Bgr24 or BlackWhite1, both written as they are
    const int planes = mono ? 1 : 3;
    const int bits = mono ? 1 : 8;
    int bytesPerLine = (picture.Width() * bits + 7) / 8;
    bytesPerLine += bytesPerLine & 1; // the format wants even line lengths
    Bytes bytes;
    ByteWriter out(bytes);
    out.U8(0x0A);
    out.U8(5);
    out.U8(1);
    out.U8(static_cast<unsigned>(bits));
    out.U16LE(0);
    out.U16LE(0);
    out.U16LE(static_cast<unsigned>(picture.Width() - 1));
    out.U16LE(static_cast<unsigned>(picture.Height() - 1));
    out.U16LE(static_cast<unsigned>(picture.DpiX() & 0xFFFF));
    out.U16LE(static_cast<unsigned>(picture.DpiY() & 0xFFFF));
    out.Fill(48, 0);
    if (mono) { for (int i = 3; i < 6; ++i) bytes[16 + static_cast<std::size_t>(i)] = 0xFF; }
    out.U8(0);
    out.U8(static_cast<unsigned>(planes));
    out.U16LE(static_cast<unsigned>(bytesPerLine));
    out.U16LE(1);
    out.Fill(58, 0);
    std::vector<std::uint8_t> line(static_cast<std::size_t>(bytesPerLine));
    for (int y = 0; y < picture.Height(); ++y) {
        for (int p = 0; p < planes; ++p) {
            std::fill(line.begin(), line.end(), 0);
            if (mono) {
                std::copy_n(picture.Row(y), picture.Stride(), line.begin());
            } else {
                const Bgr* row = picture.BgrRow(y);
                for (int x = 0; x < picture.Width(); ++x)
                    line[static_cast<std::size_t>(x)] = p == 0 ? row[x].r : p == 1 ? row[x].g : row[x].b;
            }
            WriteRunLength(out, line.data(), line.size());
        }
    }
    return bytes;
}

} // namespace

std::span<const std::string_view> PcxCodec::Extensions() const
{
    static constexpr std::array<std::string_view, 1> kExt{".pcx"};
    return kExt;
}

bool PcxCodec::Matches(ByteView data) const
{
    return data.size() >= 128 && data[0] == 0x0A && data[1] <= 5 && data[2] <= 1 &&
           (data[3] == 1 || data[3] == 2 || data[3] == 4 || data[3] == 8);
}

std::vector<Picture> PcxCodec::Decode(ByteView data, const DecodeOptions& options) const
{
    std::vector<Picture> result;
    result.push_back(DecodePcx(data, options.limits));
    return result;
}

Bytes PcxCodec::Encode(const Picture& picture, const EncodeOptions&) const { return EncodePcx(picture); }

std::span<const std::string_view> DcxCodec::Extensions() const
{
    static constexpr std::array<std::string_view, 1> kExt{".dcx"};
    return kExt;
}

bool DcxCodec::Matches(ByteView data) const
{
    return data.size() >= 8 && (static_cast<std::uint32_t>(data[0] | data[1] << 8 | data[2] << 16) | static_cast<std::uint32_t>(data[3]) << 24) == kDcxMagic;
}

std::vector<Picture> DcxCodec::Decode(ByteView data, const DecodeOptions& options) const
{
    ByteReader in(data, "DCX");
    if (in.U32LE() != kDcxMagic) in.Fail("no signature");
    std::vector<std::uint32_t> offsets;
    for (int i = 0; i < kDcxMaxPages; ++i) {
        const std::uint32_t offset = in.U32LE();
        if (offset == 0) break;
        if (offset >= data.size()) in.Fail("page offset out of range");
        offsets.push_back(offset);
    }
    if (offsets.empty()) in.Fail("no pages");
    std::vector<Picture> result;
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        if (static_cast<int>(result.size()) >= options.limits.maxFrames) break;
        const std::size_t end = i + 1 < offsets.size() && offsets[i + 1] > offsets[i] ? offsets[i + 1] : data.size();
        result.push_back(DecodePcx(data.subspan(offsets[i], end - offsets[i]), options.limits));
        if (!options.allFrames) break;
    }
    return result;
}

Bytes DcxCodec::Encode(const Picture& picture, const EncodeOptions&) const
{
    Bytes bytes;
    ByteWriter out(bytes);
    out.U32LE(kDcxMagic);
    out.U32LE(8 + 4);
    out.U32LE(0);
    out.Append(EncodePcx(picture));
    return bytes;
}

} // namespace ix::gfx::codecs
