#include "gfx/codecs/BmpCodec.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/ByteReader.h"
#include "gfx/codecs/ByteWriter.h"
#include "gfx/codecs/DecodeSupport.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>

namespace ix::gfx::codecs {

namespace {

constexpr const char* kName = "BMP";
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6;

struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;
    static Channel Of(std::uint32_t mask)
    {
        Channel c;
        c.mask = mask;
        if (mask == 0) return c;
        c.shift = std::countr_zero(mask);
        c.max = mask >> c.shift;
        return c;
    }
    std::uint8_t Extract(std::uint32_t px) const
    {
        if (mask == 0) return 0;
        const std::uint64_t v = (px & mask) >> shift;
        return static_cast<std::uint8_t>(v * 255 / max);
    }
};

struct DibHeader {
    std::int64_t width = 0;
    std::int64_t height = 0; // positive; see topDown
    bool topDown = false;
    int bpp = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    int paletteEntrySize = 4;
    std::uint32_t masks[4] = {0, 0, 0, 0}; // r, g, b, a
    bool hasMasks = false;
    int dpiX = 96, dpiY = 96;
};

int DpiOf(std::int32_t pixelsPerMetre)
{
    if (pixelsPerMetre <= 0 || pixelsPerMetre > 1000000) return 96;
    return static_cast<int>(std::lround(pixelsPerMetre * 0.0254));
}

// Reads the header at the reader's position; leaves it after the header (and after the
// masks that follow a 40-byte header).
DibHeader ReadDibHeader(ByteReader& in)
{
    DibHeader h;
    const std::size_t start = in.Position();
    const std::uint32_t size = in.U32LE();
    if (size == 12) {
        h.width = in.U16LE();
        const std::int64_t height = in.U16LE();
        h.height = height;
        in.U16LE();
        h.bpp = in.U16LE();
        h.paletteEntrySize = 3;
        return h;
    }
    if (size < 40 || size > 1024) in.Fail("unsupported header");
    h.width = in.I32LE();
    const std::int64_t height = in.I32LE();
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    if (in.U16LE() != 1) in.Fail("bad plane count");
    h.bpp = in.U16LE();
    h.compression = in.U32LE();
    in.U32LE(); // image size
    h.dpiX = DpiOf(in.I32LE());
    h.dpiY = DpiOf(in.I32LE());
    h.colorsUsed = in.U32LE();
    in.U32LE(); // important colours
    if (h.compression == kBitfields || h.compression == kAlphaBitfields) {
        const int count = size >= 56 || h.compression == kAlphaBitfields ? 4 : 3;
        if (size >= 52) {
            for (int i = 0; i < (size >= 56 ? 4 : 3); ++i) h.masks[i] = in.U32LE();
        } else {
            for (int i = 0; i < count; ++i) h.masks[i] = in.U32LE();
        }
        h.hasMasks = true;
    } else if (size >= 56) {
        // A V3+ header carries an alpha mask even for BI_RGB.
        for (int i = 0; i < 4; ++i) h.masks[i] = in.U32LE();
    }
    if (size > 40) in.Seek(start + size < in.Size() ? std::max(in.Position(), start + size) : in.Size());
    return h;
}

Palette ReadPalette(ByteReader& in, const DibHeader& h)
{
    if (h.bpp > 8) return {};
    const std::uint32_t maxEntries = 1u << h.bpp;
    std::uint32_t count = h.colorsUsed == 0 || h.colorsUsed > maxEntries ? maxEntries : h.colorsUsed;
    // Some writers leave the table short; read what is there.
    count = static_cast<std::uint32_t>(std::min<std::size_t>(count, in.Remaining() / static_cast<std::size_t>(h.paletteEntrySize)));
    Palette palette(count);
    for (auto& entry : palette) {
        entry.b = in.U8();
        entry.g = in.U8();
        entry.r = in.U8();
        if (h.paletteEntrySize == 4) in.U8();
    }
    return palette;
}

// Decodes RLE8/RLE4 into index rows (bottom-up as stored); unset pixels stay index 0.
void DecodeRle(ByteView data, int bits, int width, int height, std::vector<std::uint8_t>& indexes)
{
    ByteReader in(data, kName);
    int x = 0, y = 0;
    const auto put = [&](std::uint8_t v) {
        if (x < width && y < height) indexes[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = v;
        ++x;
    };
    while (y < height) {
        if (in.Remaining() < 2) return; // a missing end-of-bitmap mark is common; keep what was decoded
        const std::uint8_t count = in.U8();
        const std::uint8_t value = in.U8();
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(bits == 8 ? value : static_cast<std::uint8_t>(i & 1 ? value & 0x0F : value >> 4));
            continue;
        }
        if (value == 0) { x = 0; ++y; continue; }
        if (value == 1) return;
        if (value == 2) {
            x += in.U8();
            y += in.U8();
            continue;
        }
        const int n = value;
        const std::size_t bytes = bits == 8 ? static_cast<std::size_t>(n) : (static_cast<std::size_t>(n) + 1) / 2;
        ByteView run = in.Bytes(bytes);
        for (int i = 0; i < n; ++i)
            put(bits == 8 ? run[static_cast<std::size_t>(i)]
                          : static_cast<std::uint8_t>(i & 1 ? run[static_cast<std::size_t>(i / 2)] & 0x0F : run[static_cast<std::size_t>(i / 2)] >> 4));
        if (bytes & 1) in.Skip(1);
    }
}

Picture DecodePixels(ByteReader& in, const DibHeader& h, const Palette& palette, std::int64_t height,
                     const DecodeLimits& limits, bool icon)
{
    const int bpp = h.bpp;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) in.Fail("unsupported bit depth");
    const bool rle = h.compression == kRle8 || h.compression == kRle4;
    if (rle && !((h.compression == kRle8 && bpp == 8) || (h.compression == kRle4 && bpp == 4))) in.Fail("bad RLE depth");
    if (!rle && h.compression != kRgb && h.compression != kBitfields && h.compression != kAlphaBitfields)
        in.Fail("unsupported compression");
    if (rle && h.topDown) in.Fail("top-down RLE");
    if (bpp <= 8 && palette.empty()) in.Fail("missing palette");

    const bool blackWhite = bpp == 1 && IsBlackWhitePalette(palette) && !icon;
    Picture picture = NewPicture(h.width, height, blackWhite ? PixelFormat::BlackWhite1 : PixelFormat::Bgr24, limits, kName);
    picture.SetDpi(h.dpiX, h.dpiY);
    const int width = picture.Width();
    const int rows = picture.Height();
    const auto target = [&](int fileRow) { return h.topDown ? fileRow : rows - 1 - fileRow; };

    if (rle) {
        std::vector<std::uint8_t> indexes(CheckedProduct(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(rows), kName), 0);
        DecodeRle(in.Rest(), bpp, width, rows, indexes);
        for (int r = 0; r < rows; ++r)
            StoreIndexedRow(picture, target(r), indexes.data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(width), palette);
        return picture;
    }

    const std::size_t stride = (CheckedProduct(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(bpp), kName) + 31) / 32 * 4;
    const std::size_t need = CheckedProduct(stride, static_cast<std::uint64_t>(rows), kName);
    if (need > in.Remaining()) in.Fail("truncated");

    std::uint32_t masks[4] = {h.masks[0], h.masks[1], h.masks[2], h.masks[3]};
    if (!h.hasMasks) {
        if (bpp == 16) { masks[0] = 0x7C00; masks[1] = 0x03E0; masks[2] = 0x001F; }
        if (bpp == 32) { masks[0] = 0x00FF0000; masks[1] = 0x0000FF00; masks[2] = 0x000000FF; }
    }
    const Channel ch[4] = {Channel::Of(masks[0]), Channel::Of(masks[1]), Channel::Of(masks[2]), Channel::Of(masks[3])};
    bool alpha = bpp == 32 && masks[3] != 0;
    bool guessAlpha = bpp == 32 && !h.hasMasks && masks[3] == 0; // BI_RGB: the fourth byte may be alpha
    if (alpha || guessAlpha) picture.EnsureAlpha(255);

    std::vector<std::uint8_t> indexes(bpp <= 8 ? static_cast<std::size_t>(width) : 0);
    bool anyAlpha = false;
    for (int r = 0; r < rows; ++r) {
        const std::uint8_t* src = in.Bytes(stride).data();
        const int y = target(r);
        if (bpp <= 8) {
            for (int x = 0; x < width; ++x) {
                const int bit = x * bpp;
                const int shift = 8 - bpp - (bit & 7);
                indexes[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(src[bit >> 3] >> shift & ((1 << bpp) - 1));
            }
            StoreIndexedRow(picture, y, indexes.data(), palette);
            continue;
        }
        Bgr* out = picture.BgrRow(y);
        if (bpp == 24) { // the file's blue-green-red rows are our rows
            std::memcpy(out, src, static_cast<std::size_t>(width) * 3);
            continue;
        }
        std::uint8_t* a = picture.HasAlpha() ? picture.AlphaRow(y) : nullptr;
        for (int x = 0; x < width; ++x) {
            std::uint32_t px;
            if (bpp == 16) px = static_cast<std::uint32_t>(src[2 * x] | src[2 * x + 1] << 8);
            else px = static_cast<std::uint32_t>(src[4 * x]) | static_cast<std::uint32_t>(src[4 * x + 1]) << 8 |
                      static_cast<std::uint32_t>(src[4 * x + 2]) << 16 | static_cast<std::uint32_t>(src[4 * x + 3]) << 24;
            out[x] = Bgr{ch[2].Extract(px), ch[1].Extract(px), ch[0].Extract(px)};
            if (alpha) a[x] = ch[3].Extract(px);
            else if (guessAlpha) {
                a[x] = static_cast<std::uint8_t>(px >> 24);
                anyAlpha = anyAlpha || a[x] != 0;
            }
        }
    }
    // BI_RGB 32-bit files with every fourth byte 0 are opaque pictures, not invisible ones;
    // a plane that is opaque everywhere says nothing either.
    if ((guessAlpha && !anyAlpha) || !HasTransparency(picture)) picture.RemoveAlpha();

    if (icon) {
        // The AND mask: 1 bit per pixel, rows padded to 32 bits, set = transparent.
        const std::size_t maskStride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
        if (picture.HasAlpha() || in.Remaining() < maskStride * static_cast<std::size_t>(rows)) return picture;
        picture.EnsureAlpha(255);
        for (int r = 0; r < rows; ++r) {
            const std::uint8_t* m = in.Bytes(maskStride).data();
            std::uint8_t* a = picture.AlphaRow(target(r));
            for (int x = 0; x < width; ++x) a[x] = GetBit(m, x) ? 0 : 255;
        }
        if (!HasTransparency(picture)) picture.RemoveAlpha();
    }
    return picture;
}

// Appends the bottom-up rows, each padded to 32 bits with zeros.
void WritePixels(Bytes& bytes, const Picture& picture, int bpp)
{
    const int width = picture.Width();
    const std::size_t stride = (static_cast<std::size_t>(width) * static_cast<std::size_t>(bpp) + 31) / 32 * 4;
    const std::size_t start = bytes.size();
    bytes.resize(start + stride * static_cast<std::size_t>(picture.Height()), 0);
    for (int y = 0; y < picture.Height(); ++y) {
        std::uint8_t* row = bytes.data() + start + static_cast<std::size_t>(picture.Height() - 1 - y) * stride;
        if (bpp == 1) {
            std::memcpy(row, picture.Row(y), picture.Stride());
        } else if (bpp == 24) {
            std::memcpy(row, picture.Row(y), static_cast<std::size_t>(width) * 3);
        } else {
            const Bgr* src = picture.BgrRow(y);
            const std::uint8_t* a = picture.HasAlpha() ? picture.AlphaRow(y) : nullptr;
            for (int x = 0; x < width; ++x, row += 4) {
                row[0] = src[x].b;
                row[1] = src[x].g;
                row[2] = src[x].r;
                row[3] = a ? a[x] : 255;
            }
        }
    }
}

int PixelsPerMetre(int dpi) { return static_cast<int>(std::lround(dpi / 0.0254)); }

} // namespace

std::span<const std::string_view> BmpCodec::Extensions() const
{
    static constexpr std::array<std::string_view, 3> kExt{".bmp", ".dib", ".rle"};
    return kExt;
}

bool BmpCodec::Matches(ByteView data) const
{
    if (data.size() < 18 || data[0] != 'B' || data[1] != 'M') return false;
    const std::uint32_t header = static_cast<std::uint32_t>(data[14] | data[15] << 8 | data[16] << 16) | static_cast<std::uint32_t>(data[17]) << 24;
    return header == 12 || (header >= 40 && header <= 1024);
}

Picture DecodeDib(ByteView dib, const DecodeLimits& limits, bool icon)
{
    ByteReader in(dib, kName);
    const DibHeader h = ReadDibHeader(in);
    const Palette palette = ReadPalette(in, h);
    const std::int64_t height = icon ? h.height / 2 : h.height;
    return DecodePixels(in, h, palette, height, limits, icon);
}

std::vector<Picture> BmpCodec::Decode(ByteView data, const DecodeOptions& options) const
{
    ByteReader in(data, kName);
    if (in.U8() != 'B' || in.U8() != 'M') in.Fail("no signature");
    in.Skip(8);
    const std::uint32_t offset = in.U32LE();
    const DibHeader h = ReadDibHeader(in);
    const Palette palette = ReadPalette(in, h);
    if (offset < in.Position() || offset >= data.size()) {
        // Some writers leave the offset 0: the pixels follow the palette.
        if (offset != 0 && offset >= data.size()) in.Fail("pixel offset out of range");
    } else {
        in.Seek(offset);
    }
    std::vector<Picture> result;
    result.push_back(DecodePixels(in, h, palette, h.height, options.limits, false));
    return result;
}

Bytes EncodeDib(const Picture& source, bool icon)
{
    const Bgr24Source bgr(source);
    const Picture& picture = *bgr;
    const int bpp = icon || HasTransparency(picture) ? 32 : 24;
    Bytes bytes;
    ByteWriter out(bytes);
    out.U32LE(40);
    out.I32LE(picture.Width());
    out.I32LE(icon ? picture.Height() * 2 : picture.Height());
    out.U16LE(1);
    out.U16LE(static_cast<unsigned>(bpp));
    out.U32LE(kRgb);
    out.U32LE(0);
    out.I32LE(0);
    out.I32LE(0);
    out.U32LE(0);
    out.U32LE(0);
    WritePixels(bytes, picture, bpp);
    if (icon) {
        const std::size_t maskStride = (static_cast<std::size_t>(picture.Width()) + 31) / 32 * 4;
        for (int y = picture.Height() - 1; y >= 0; --y) {
            std::vector<std::uint8_t> mask(maskStride, 0);
            for (int x = 0; x < picture.Width(); ++x)
                if (picture.GetAlpha({x, y}) < 128) SetBit(mask.data(), x, true);
            out.Append(mask);
        }
    }
    return bytes;
}

Bytes BmpCodec::Encode(const Picture& source, const EncodeOptions&) const
{
    if (source.IsEmpty()) throw GfxError("BMP: empty picture");
    const bool blackWhite = source.Format() == PixelFormat::BlackWhite1;
    const Picture& picture = source; // Bgr24 or BlackWhite1, both written as they are
    const int bpp = blackWhite ? 1 : HasTransparency(picture) ? 32 : 24;
    const std::uint32_t headerSize = bpp == 32 ? 108 : 40;
    const std::uint32_t paletteSize = bpp == 1 ? 8 : 0;
    const std::uint64_t stride = (static_cast<std::uint64_t>(picture.Width()) * static_cast<std::uint64_t>(bpp) + 31) / 32 * 4;
    const std::uint64_t pixelBytes = stride * static_cast<std::uint64_t>(picture.Height());
    const std::uint64_t fileSize = 14 + headerSize + paletteSize + pixelBytes;
    if (fileSize > 0xFFFFFFFFu) throw GfxError("BMP: picture too large for the format");

    Bytes bytes;
    bytes.reserve(static_cast<std::size_t>(fileSize));
    ByteWriter out(bytes);
    out.Text("BM");
    out.U32LE(static_cast<std::uint32_t>(fileSize));
    out.U32LE(0);
    out.U32LE(14 + headerSize + paletteSize);
    out.U32LE(headerSize);
    out.I32LE(picture.Width());
    out.I32LE(picture.Height());
    out.U16LE(1);
    out.U16LE(static_cast<unsigned>(bpp));
    out.U32LE(bpp == 32 ? kBitfields : kRgb);
    out.U32LE(static_cast<std::uint32_t>(pixelBytes));
    out.I32LE(PixelsPerMetre(picture.DpiX()));
    out.I32LE(PixelsPerMetre(picture.DpiY()));
    out.U32LE(bpp == 1 ? 2 : 0);
    out.U32LE(0);
    if (bpp == 32) {
        out.U32LE(0x00FF0000);
        out.U32LE(0x0000FF00);
        out.U32LE(0x000000FF);
        out.U32LE(0xFF000000);
        out.Text("BGRs"); // LCS_WINDOWS_COLOR_SPACE, stored little-endian as 'sRGB'
        out.Fill(36 + 12, 0);
    }
    if (bpp == 1) {
        out.U32LE(0x00000000);
        out.U32LE(0x00FFFFFF);
    }
    WritePixels(bytes, picture, bpp);
    return bytes;
}

} // namespace ix::gfx::codecs
