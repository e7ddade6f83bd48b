#include "gfx/codecs/PsdCodec.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/ByteReader.h"
#include "gfx/codecs/DecodeSupport.h"
#include "gfx/codecs/PackBits.h"

#include <array>
#include <cstring>
#include <utility>

namespace ix::gfx::codecs {

namespace {

constexpr const char* kName = "PSD";
constexpr int kMaxChannels = 56;
constexpr int kMaxLayers = 4096;

enum Mode { kBitmap = 0, kGrey = 1, kIndexed = 2, kRgb = 3, kCmyk = 4 };

struct Header {
    int channels = 0;
    std::int64_t width = 0, height = 0;
    int depth = 0;
    int mode = 0;
    Palette palette;
};

Header ReadHeader(ByteReader& in, const DecodeLimits& limits)
{
    if (in.U32BE() != 0x38425053) in.Fail("no signature");
    if (in.U16BE() != 1) in.Fail("unsupported version");
    in.Skip(6);
    Header h;
    h.channels = in.U16BE();
    h.height = in.U32BE();
    h.width = in.U32BE();
    h.depth = in.U16BE();
    h.mode = in.U16BE();
    if (h.channels < 1 || h.channels > kMaxChannels) in.Fail("bad channel count");
    if (h.depth != 1 && h.depth != 8 && h.depth != 16) in.Fail("unsupported depth");
    if (h.mode != kBitmap && h.mode != kGrey && h.mode != kIndexed && h.mode != kRgb && h.mode != kCmyk)
        in.Fail("unsupported colour mode");
    if ((h.mode == kBitmap) != (h.depth == 1)) in.Fail("bad depth for the colour mode");
    CheckDimensions(h.width, h.height, limits, kName);
    const std::uint32_t modeData = in.U32BE();
    ByteView colours = in.Bytes(modeData);
    if (h.mode == kIndexed) {
        if (modeData < 768) in.Fail("missing palette");
        for (std::size_t i = 0; i < 256; ++i) h.palette.push_back(Bgr{colours[512 + i], colours[256 + i], colours[i]});
    }
    return h;
}

// One plane of `rows` rows of `rowBytes` bytes, raw or PackBits. `counts` is the
// reader at the row byte-count table for RLE, its data following the whole table.
std::vector<std::uint8_t> ReadPlaneRows(ByteReader& in, int compression, std::size_t rowBytes, int rows,
                                        std::vector<std::uint16_t>::const_iterator counts)
{
    std::vector<std::uint8_t> plane(CheckedProduct(rowBytes, static_cast<std::uint64_t>(rows), kName));
    if (compression == 0) {
        ByteView raw = in.Bytes(plane.size());
        std::memcpy(plane.data(), raw.data(), plane.size());
        return plane;
    }
    for (int y = 0; y < rows; ++y, ++counts)
        UnpackBits(in.Bytes(*counts), std::span<std::uint8_t>(plane.data() + static_cast<std::size_t>(y) * rowBytes, rowBytes), kName);
    return plane;
}

std::size_t RowBytes(std::int64_t width, int depth)
{
    return depth == 1 ? static_cast<std::size_t>((width + 7) / 8) : CheckedProduct(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(depth / 8), kName);
}

// A plane of 8-bit samples (the high byte of 16-bit ones).
std::uint8_t Sample(const std::vector<std::uint8_t>& plane, std::size_t rowBytes, int depth, int x, int y)
{
    const std::size_t at = static_cast<std::size_t>(y) * rowBytes + static_cast<std::size_t>(x) * static_cast<std::size_t>(depth / 8);
    return plane[at];
}

// Builds a picture from planes: `colour` holds the mode's channels, `alpha` may be null.
Picture Assemble(const Header& h, std::int64_t width, std::int64_t height, const std::vector<const std::vector<std::uint8_t>*>& colour,
                 const std::vector<std::uint8_t>* alpha, const DecodeLimits& limits)
{
    const std::size_t rowBytes = RowBytes(width, h.depth);
    if (h.mode == kBitmap) {
        Picture picture = NewPicture(width, height, PixelFormat::BlackWhite1, limits, kName);
        for (int y = 0; y < picture.Height(); ++y)
            for (std::size_t i = 0; i < picture.Stride(); ++i)
                picture.Row(y)[i] = static_cast<std::uint8_t>(~(*colour[0])[static_cast<std::size_t>(y) * rowBytes + i]); // 1 is black
        return picture;
    }
    Picture picture = NewPicture(width, height, PixelFormat::Bgr24, limits, kName);
    if (alpha) picture.EnsureAlpha(255);
    for (int y = 0; y < picture.Height(); ++y) {
        Bgr* row = picture.BgrRow(y);
        for (int x = 0; x < picture.Width(); ++x) {
            const auto s = [&](int c) { return Sample(*colour[static_cast<std::size_t>(c)], rowBytes, h.depth, x, y); };
            switch (h.mode) {
            case kGrey: row[x] = Bgr{s(0), s(0), s(0)}; break;
            case kIndexed: row[x] = h.palette[s(0)]; break;
            case kRgb: row[x] = Bgr{s(2), s(1), s(0)}; break;
            default: { // CMYK, stored inverted: 255 is no ink
                const int k = s(3);
                row[x] = Bgr{static_cast<std::uint8_t>(s(2) * k / 255), static_cast<std::uint8_t>(s(1) * k / 255),
                             static_cast<std::uint8_t>(s(0) * k / 255)};
            }
            }
            if (alpha) picture.AlphaRow(y)[x] = Sample(*alpha, rowBytes, h.depth, x, y);
        }
    }
    return picture;
}

int ColourChannels(int mode) { return mode == kRgb ? 3 : mode == kCmyk ? 4 : 1; }

struct LayerChannel {
    int id = 0;
    std::uint32_t length = 0;
};

struct LayerRecord {
    std::int32_t top = 0, left = 0, bottom = 0, right = 0;
    std::vector<LayerChannel> channels;
    char key[5] = "norm";
    int opacity = 255;
    bool hidden = false;
};

struct Sections {
    std::size_t layerInfo = 0; // offset of the layer info (after its length), 0 when none
    std::size_t layerInfoEnd = 0;
    std::size_t imageData = 0;
};

Sections ReadSections(ByteReader& in)
{
    Sections s;
    const std::uint32_t resources = in.U32BE();
    in.Skip(resources);
    const std::uint32_t layerAndMask = in.U32BE();
    const std::size_t layerAndMaskStart = in.Position();
    if (layerAndMask > in.Remaining()) in.Fail("truncated");
    if (layerAndMask >= 4) {
        const std::uint32_t layerInfo = in.U32BE();
        if (layerInfo > layerAndMask - 4) in.Fail("bad layer section");
        if (layerInfo > 0) {
            s.layerInfo = in.Position();
            s.layerInfoEnd = in.Position() + layerInfo;
        }
    }
    s.imageData = layerAndMaskStart + layerAndMask;
    return s;
}

bool MergedAlpha(ByteView data, const Sections& s)
{
    if (s.layerInfo == 0) return false;
    ByteReader in(data, kName);
    in.Seek(s.layerInfo);
    return in.I16BE() < 0;
}

Picture DecodeComposite(ByteView data, const DecodeLimits& limits)
{
    ByteReader in(data, kName);
    const Header h = ReadHeader(in, limits);
    const Sections s = ReadSections(in);
    const bool alpha = MergedAlpha(data, s) && h.mode != kBitmap && h.channels > ColourChannels(h.mode);
    in.Seek(s.imageData);
    const int compression = in.U16BE();
    if (compression != 0 && compression != 1) in.Fail("unsupported compression");
    const int planes = std::min(h.channels, ColourChannels(h.mode) + (alpha ? 1 : 0));
    if (planes < ColourChannels(h.mode)) in.Fail("missing channels");
    const std::size_t rowBytes = RowBytes(h.width, h.depth);
    const int height = static_cast<int>(h.height);
    std::vector<std::uint16_t> counts;
    if (compression == 1) {
        // The table covers every channel of the file, also those we do not use.
        const std::size_t entries = CheckedProduct(static_cast<std::uint64_t>(h.channels), static_cast<std::uint64_t>(height), kName);
        if (entries * 2 > in.Remaining()) in.Fail("truncated");
        counts.resize(entries);
        for (auto& c : counts) c = in.U16BE();
    } else if (CheckedProduct(rowBytes, CheckedProduct(static_cast<std::uint64_t>(height), static_cast<std::uint64_t>(planes), kName), kName) > in.Remaining()) {
        in.Fail("truncated");
    }
    std::vector<std::vector<std::uint8_t>> storage;
    for (int c = 0; c < planes; ++c)
        storage.push_back(ReadPlaneRows(in, compression, rowBytes, height, counts.cbegin() + static_cast<std::ptrdiff_t>(c) * height));
    std::vector<const std::vector<std::uint8_t>*> colour;
    for (int c = 0; c < ColourChannels(h.mode); ++c) colour.push_back(&storage[static_cast<std::size_t>(c)]);
    return Assemble(h, h.width, h.height, colour, alpha ? &storage.back() : nullptr, limits);
}

} // namespace

BlendOp BlendOpForPsdKey(std::string_view key)
{
    static constexpr std::array<std::pair<std::string_view, BlendOp>, 20> kMap{{
        {"norm", BlendOp::Normal},   {"mul ", BlendOp::Mul},        {"scrn", BlendOp::Screen},
        {"over", BlendOp::Overlay},  {"hLit", BlendOp::HardLight},  {"sLit", BlendOp::SoftLight},
        {"dark", BlendOp::Min},      {"lite", BlendOp::Max},        {"diff", BlendOp::Exclusion},
        {"smud", BlendOp::Exclusion}, {"lddg", BlendOp::Add},       {"lbrn", BlendOp::Subtractive},
        {"idiv", BlendOp::ColorBurn}, {"fsub", BlendOp::Sub},       {"fdiv", BlendOp::Div},
        {"hue ", BlendOp::Hue},      {"sat ", BlendOp::Saturation}, {"colr", BlendOp::Color},
        {"lum ", BlendOp::Luminosity}, {"pass", BlendOp::Normal},
    }};
    for (const auto& [k, op] : kMap)
        if (k == key) return op;
    return BlendOp::Normal;
}

std::span<const std::string_view> PsdCodec::Extensions() const
{
    static constexpr std::array<std::string_view, 1> kExt{".psd"};
    return kExt;
}

bool PsdCodec::Matches(ByteView data) const
{
    return data.size() >= 26 && std::memcmp(data.data(), "8BPS", 4) == 0 && data[4] == 0 && data[5] == 1;
}

std::vector<Picture> PsdCodec::Decode(ByteView data, const DecodeOptions& options) const
{
    std::vector<Picture> result;
    result.push_back(DecodeComposite(data, options.limits));
    return result;
}

std::vector<Layer> DecodePsdLayers(ByteView data, const DecodeLimits& limits)
{
    ByteReader in(data, kName);
    const Header h = ReadHeader(in, limits);
    const Sections s = ReadSections(in);
    std::vector<Layer> layers;
    if (s.layerInfo != 0) {
        in.Seek(s.layerInfo);
        const int count = std::abs(static_cast<int>(in.I16BE()));
        if (count > kMaxLayers) in.Fail("too many layers");
        std::vector<LayerRecord> records(static_cast<std::size_t>(count));
        for (auto& r : records) {
            r.top = in.I32BE();
            r.left = in.I32BE();
            r.bottom = in.I32BE();
            r.right = in.I32BE();
            const int channels = in.U16BE();
            if (channels > kMaxChannels) in.Fail("bad channel count");
            for (int c = 0; c < channels; ++c) {
                LayerChannel ch;
                ch.id = in.I16BE();
                ch.length = in.U32BE();
                r.channels.push_back(ch);
            }
            if (in.U32BE() != 0x3842494D) in.Fail("bad blend signature");
            ByteView key = in.Bytes(4);
            std::memcpy(r.key, key.data(), 4);
            r.opacity = in.U8();
            in.U8();
            r.hidden = (in.U8() & 2) != 0;
            in.U8();
            const std::uint32_t extra = in.U32BE();
            in.Skip(extra);
        }
        // Channel image data follows the records, layer by layer, channel by channel.
        std::uint64_t totalPixels = 0;
        for (const auto& r : records) {
            const std::int64_t width = static_cast<std::int64_t>(r.right) - r.left;
            const std::int64_t height = static_cast<std::int64_t>(r.bottom) - r.top;
            std::vector<std::vector<std::uint8_t>> colour(static_cast<std::size_t>(ColourChannels(h.mode)));
            std::vector<std::uint8_t> alpha;
            for (const auto& ch : r.channels) {
                if (ch.length > in.Remaining()) in.Fail("truncated");
                ByteReader channel(in.Bytes(ch.length), kName);
                const bool wanted = (ch.id >= 0 && ch.id < ColourChannels(h.mode)) || ch.id == -1;
                if (!wanted || width <= 0 || height <= 0 || ch.length < 2) continue;
                CheckDimensions(width, height, limits, kName);
                const int compression = channel.U16BE();
                if (compression != 0 && compression != 1) in.Fail("unsupported compression");
                const int rows = static_cast<int>(height);
                const std::size_t rowBytes = RowBytes(width, h.depth);
                std::vector<std::uint16_t> counts;
                if (compression == 1) {
                    if (static_cast<std::size_t>(rows) * 2 > channel.Remaining()) in.Fail("truncated");
                    counts.resize(static_cast<std::size_t>(rows));
                    for (auto& c : counts) c = channel.U16BE();
                } else if (CheckedProduct(rowBytes, static_cast<std::uint64_t>(rows), kName) > channel.Remaining()) {
                    in.Fail("truncated");
                }
                auto plane = ReadPlaneRows(channel, compression, rowBytes, rows, counts.cbegin());
                if (ch.id == -1) alpha = std::move(plane);
                else colour[static_cast<std::size_t>(ch.id)] = std::move(plane);
            }
            if (width <= 0 || height <= 0) continue; // groups, adjustment and empty layers
            // Every picture must come from channel data in the file, so a small file
            // cannot ask for many large layers.
            std::vector<const std::vector<std::uint8_t>*> planes;
            for (auto& c : colour) {
                if (c.empty()) in.Fail("missing layer channel");
                planes.push_back(&c);
            }
            totalPixels += static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
            if (totalPixels > limits.maxPixels * 2) in.Fail("layers too large");
            Layer layer;
            layer.picture = Assemble(h, width, height, planes, alpha.empty() || h.mode == kBitmap ? nullptr : &alpha, limits);
            layer.posX = r.left;
            layer.posY = r.top;
            layer.visible = !r.hidden;
            layer.transparency = r.opacity;
            layer.blend = BlendOpForPsdKey(std::string_view(r.key, 4));
            layers.push_back(std::move(layer));
        }
    }
    if (layers.empty()) {
        Layer layer;
        layer.picture = DecodeComposite(data, limits);
        layers.push_back(std::move(layer));
    }
    return layers;
}

} // namespace ix::gfx::codecs
