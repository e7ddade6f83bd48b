#include "gfx/codecs/LayerFile.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/ByteReader.h"
#include "gfx/codecs/ByteWriter.h"
#include "gfx/codecs/DecodeSupport.h"
#include "gfx/codecs/PackBits.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace ix::gfx::codecs {

namespace {

constexpr const char* kName = "layer file";
constexpr std::size_t kSignatureSize = 8;
enum : std::uint8_t { kRaw = 0, kPacked = 1 };

// Rows of `rowBytes` bytes, raw or PackBits, filling `rows` rows through `rowAt`.
template <typename RowAt>
void ReadRows(ByteView data, std::uint8_t compression, std::size_t rowBytes, int rows, RowAt rowAt)
{
    ByteReader in(data, kName);
    if (compression == kRaw) {
        if (data.size() != CheckedProduct(rowBytes, static_cast<std::uint64_t>(rows), kName)) in.Fail("bad data length");
        for (int y = 0; y < rows; ++y) std::memcpy(rowAt(y), in.Bytes(rowBytes).data(), rowBytes);
        return;
    }
    // Each packed row starts with its 32-bit length.
    for (int y = 0; y < rows; ++y) {
        const std::uint32_t length = in.U32LE();
        UnpackBits(in.Bytes(length), std::span<std::uint8_t>(rowAt(y), rowBytes), kName);
    }
    if (!in.AtEnd()) in.Fail("bad data length");
}

template <typename RowAt>
Bytes PackRows(std::size_t rowBytes, int rows, RowAt rowAt)
{
    Bytes out;
    Bytes packed;
    for (int y = 0; y < rows; ++y) {
        packed.clear();
        PackBits(ByteView(rowAt(y), rowBytes), packed);
        ByteWriter(out).U32LE(static_cast<std::uint32_t>(packed.size()));
        out.insert(out.end(), packed.begin(), packed.end());
    }
    return out;
}

} // namespace

bool HasLayerFileSignature(ByteView data)
{
    return data.size() >= kSignatureSize && std::memcmp(data.data(), kLayerFileSignature, kSignatureSize) == 0;
}

LayerDocument ReadLayerFile(ByteView data, const DecodeLimits& limits)
{
    ByteReader in(data, kName);
    if (!HasLayerFileSignature(data)) in.Fail("no signature");
    in.Skip(kSignatureSize);
    const int version = in.U16LE();
    if (version < 1 || version > kLayerFileVersion) in.Fail("unsupported version");
    in.U16LE();
    const std::uint32_t count = in.U32LE();
    if (count == 0 || count > kLayerFileMaxLayers) in.Fail("bad layer count");
    const std::uint32_t current = in.U32LE();
    if (current >= count) in.Fail("bad current layer");

    LayerDocument doc;
    doc.currentIndex = static_cast<int>(current);
    for (std::uint32_t i = 0; i < count; ++i) {
        Layer layer;
        layer.posX = in.I32LE();
        layer.posY = in.I32LE();
        layer.displayWidth = in.I32LE();
        layer.displayHeight = in.I32LE();
        if (layer.displayWidth < 0 || layer.displayHeight < 0 || layer.displayWidth > Picture::kMaxSide ||
            layer.displayHeight > Picture::kMaxSide)
            in.Fail("bad display size");
        const std::uint8_t visible = in.U8();
        const std::uint8_t isMask = in.U8();
        const std::uint8_t blend = in.U8();
        const std::uint8_t format = in.U8();
        if (visible > 1 || isMask > 1 || blend >= kBlendOpCount || format > 1) in.Fail("bad layer flags");
        layer.visible = visible == 1;
        layer.isMask = isMask == 1;
        layer.blend = static_cast<BlendOp>(blend);
        layer.transparency = in.I32LE();
        const double rotation = std::bit_cast<double>(static_cast<std::uint64_t>(in.U32LE()) | static_cast<std::uint64_t>(in.U32LE()) << 32);
        layer.rotation = std::isfinite(rotation) ? rotation : 0.0;
        const std::int32_t width = in.I32LE();
        const std::int32_t height = in.I32LE();
        const std::int32_t dpiX = in.I32LE();
        const std::int32_t dpiY = in.I32LE();
        const std::uint8_t hasAlpha = in.U8();
        const std::uint8_t compression = in.U8();
        in.U16LE();
        if (hasAlpha > 1 || compression > kPacked || (hasAlpha && format == 1)) in.Fail("bad picture flags");
        const std::uint32_t pixelLength = in.U32LE();
        const std::uint32_t alphaLength = in.U32LE();
        ByteView pixels = in.Bytes(pixelLength);
        ByteView alpha = in.Bytes(alphaLength);
        if (width == 0 || height == 0) {
            if (width != 0 || height != 0 || pixelLength != 0 || alphaLength != 0) in.Fail("bad picture size");
        } else {
            CheckDimensions(width, height, limits, kName);
            // Raw rows must be present in full; packed rows expand at most 64-fold (two
            // bytes give 128), plus the 4-byte length of each row.
            const auto pixelFormat = format == 1 ? PixelFormat::BlackWhite1 : PixelFormat::Bgr24;
            const std::size_t rowBytes = format == 1 ? (static_cast<std::size_t>(width) + 7) / 8 : static_cast<std::size_t>(width) * 3;
            const std::size_t needed = CheckedProduct(rowBytes, static_cast<std::uint64_t>(height), kName);
            if (compression == kRaw ? pixelLength != needed : static_cast<std::uint64_t>(pixelLength) * 64 < needed)
                in.Fail("pixel data too short");
            layer.picture = NewPicture(width, height, pixelFormat, limits, kName);
            ReadRows(pixels, compression, rowBytes, height, [&](int y) { return layer.picture.Row(y); });
            if (hasAlpha) {
                layer.picture.EnsureAlpha(255);
                ReadRows(alpha, compression, static_cast<std::size_t>(width), height,
                         [&](int y) { return layer.picture.AlphaRow(y); });
            } else if (alphaLength != 0) {
                in.Fail("unexpected alpha data");
            }
            layer.picture.SetDpi(dpiX > 0 && dpiX < 100000 ? dpiX : 96, dpiY > 0 && dpiY < 100000 ? dpiY : 96);
        }
        doc.layers.push_back(std::move(layer));
    }
    return doc;
}

Bytes WriteLayerFile(std::span<const Layer> layers, int currentIndex)
{
    if (layers.empty()) throw GfxError("layer file: no layers");
    if (layers.size() > kLayerFileMaxLayers) throw GfxError("layer file: too many layers");
    Bytes bytes;
    ByteWriter out(bytes);
    out.Text(kLayerFileSignature); // the 8 letters, without the terminator
    out.U16LE(kLayerFileVersion);
    out.U16LE(0);
    out.U32LE(static_cast<std::uint32_t>(layers.size()));
    const int current = currentIndex >= 0 && static_cast<std::size_t>(currentIndex) < layers.size() ? currentIndex : 0;
    out.U32LE(static_cast<std::uint32_t>(current));
    for (const Layer& layer : layers) {
        const Picture& p = layer.picture;
        const bool blackWhite = p.Format() == PixelFormat::BlackWhite1;
        out.I32LE(layer.posX);
        out.I32LE(layer.posY);
        out.I32LE(std::max(layer.displayWidth, 0));
        out.I32LE(std::max(layer.displayHeight, 0));
        out.U8(layer.visible ? 1 : 0);
        out.U8(layer.isMask ? 1 : 0);
        out.U8(static_cast<unsigned>(layer.blend));
        out.U8(blackWhite ? 1 : 0);
        out.I32LE(layer.transparency);
        const auto rotation = std::bit_cast<std::uint64_t>(layer.rotation);
        out.U32LE(static_cast<std::uint32_t>(rotation));
        out.U32LE(static_cast<std::uint32_t>(rotation >> 32));
        out.I32LE(p.IsEmpty() ? 0 : p.Width());
        out.I32LE(p.IsEmpty() ? 0 : p.Height());
        out.I32LE(p.DpiX());
        out.I32LE(p.DpiY());
        const bool alpha = p.HasAlpha() && !blackWhite && !p.IsEmpty();
        out.U8(alpha ? 1 : 0);
        out.U8(kPacked);
        out.U16LE(0);
        const Bytes pixels = p.IsEmpty() ? Bytes{} : PackRows(p.Stride(), p.Height(), [&](int y) { return p.Row(y); });
        const Bytes alphaRows = alpha ? PackRows(static_cast<std::size_t>(p.Width()), p.Height(), [&](int y) { return p.AlphaRow(y); }) : Bytes{};
        out.U32LE(static_cast<std::uint32_t>(pixels.size()));
        out.U32LE(static_cast<std::uint32_t>(alphaRows.size()));
        out.Append(pixels);
        out.Append(alphaRows);
    }
    return bytes;
}

} // namespace ix::gfx::codecs
