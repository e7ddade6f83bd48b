#include "actions/ClipboardPictures.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/BmpCodec.h"
#include "gfx/codecs/Codecs.h"

#include <cstring>

namespace ix::actions {

namespace {

constexpr std::uint8_t kMagic[4] = {'I', 'X', 'R', 'P'};
constexpr std::size_t kHeaderSize = 4 + 4 * 4 + 1;

void PutU32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t GetU32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

} // namespace

std::vector<std::uint8_t> EncodeRawPicture(const gfx::Picture& source)
{
    const gfx::Picture* picture = &source;
    gfx::Picture colour;
    if (source.Format() != gfx::PixelFormat::Bgr24) {
        colour = source;
        colour.ConvertTo(gfx::PixelFormat::Bgr24);
        picture = &colour;
    }
    const std::size_t w = static_cast<std::size_t>(picture->Width());
    const int h = picture->Height();
    const std::size_t pixels = w * static_cast<std::size_t>(h);
    // Sized once and filled by offset: the rows are copied straight into place.
    std::vector<std::uint8_t> out(kHeaderSize + pixels * (picture->HasAlpha() ? 4 : 3));
    std::uint8_t* p = out.data();
    std::memcpy(p, kMagic, 4);
    PutU32(p + 4, static_cast<std::uint32_t>(w));
    PutU32(p + 8, static_cast<std::uint32_t>(h));
    PutU32(p + 12, static_cast<std::uint32_t>(picture->DpiX()));
    PutU32(p + 16, static_cast<std::uint32_t>(picture->DpiY()));
    p[20] = picture->HasAlpha() ? 1 : 0;
    p += kHeaderSize;
    for (int y = 0; y < h; ++y, p += w * 3) std::memcpy(p, picture->Row(y), w * 3);
    if (picture->HasAlpha())
        for (int y = 0; y < h; ++y, p += w) std::memcpy(p, picture->AlphaRow(y), w);
    return out;
}

gfx::Picture DecodeRawPicture(const std::vector<std::uint8_t>& data)
{
    if (data.size() < kHeaderSize || std::memcmp(data.data(), kMagic, 4) != 0)
        throw gfx::GfxError("clipboard picture: not our raw format");
    const std::uint32_t w = GetU32(data.data() + 4);
    const std::uint32_t h = GetU32(data.data() + 8);
    const auto dpiX = static_cast<std::int32_t>(GetU32(data.data() + 12));
    const auto dpiY = static_cast<std::int32_t>(GetU32(data.data() + 16));
    const std::uint8_t hasAlpha = data[20];
    const gfx::codecs::DecodeLimits limits;
    if (w == 0 || h == 0 || w > static_cast<std::uint32_t>(limits.maxSide) ||
        h > static_cast<std::uint32_t>(limits.maxSide) || std::uint64_t{w} * h > limits.maxPixels || hasAlpha > 1)
        throw gfx::GfxError("clipboard picture: bad header");
    const std::uint64_t pixels = std::uint64_t{w} * h;
    if (data.size() - kHeaderSize != pixels * (hasAlpha ? 4 : 3))
        throw gfx::GfxError("clipboard picture: wrong length");

    gfx::Picture picture({static_cast<int>(w), static_cast<int>(h)});
    picture.SetDpi(dpiX, dpiY);
    const std::uint8_t* p = data.data() + kHeaderSize;
    const std::size_t rowBytes = std::size_t{w} * 3;
    for (int y = 0; y < picture.Height(); ++y, p += rowBytes) std::memcpy(picture.Row(y), p, rowBytes);
    if (hasAlpha) {
        picture.EnsureAlpha();
        for (int y = 0; y < picture.Height(); ++y, p += w) std::memcpy(picture.AlphaRow(y), p, w);
    }
    return picture;
}

bool CopyPictureToClipboard(ui::Clipboard& clipboard, const gfx::Picture& picture)
{
    // Encode before opening, so that a picture that cannot be encoded leaves the
    // clipboard as it was.
    std::vector<std::uint8_t> dib = gfx::codecs::EncodeDib(picture, false);
    std::vector<std::uint8_t> raw = EncodeRawPicture(picture);
    const unsigned rawFormat = clipboard.RegisterFormat(kRawPictureFormat);
    ui::ClipboardSession session(clipboard);
    if (!session.IsOpen()) return false;
    session->Empty();
    session->Set(ui::Clipboard::kDib, std::move(dib));
    if (rawFormat != 0) session->Set(rawFormat, std::move(raw));
    return true;
}

bool ClipboardHasPicture(ui::Clipboard& clipboard)
{
    const unsigned rawFormat = clipboard.RegisterFormat(kRawPictureFormat);
    const unsigned pngFormat = clipboard.RegisterFormat("PNG");
    ui::ClipboardSession session(clipboard);
    if (!session.IsOpen()) return false;
    return (rawFormat != 0 && session->Has(rawFormat)) || (pngFormat != 0 && session->Has(pngFormat)) ||
           session->Has(ui::Clipboard::kDib) || session->Has(ui::Clipboard::kEnhMetafile);
}

std::optional<gfx::Picture> PasteFromClipboard(ui::Clipboard& clipboard, ClipboardSource source)
{
    const unsigned rawFormat = clipboard.RegisterFormat(kRawPictureFormat);
    const unsigned pngFormat = source == ClipboardSource::Any ? clipboard.RegisterFormat("PNG") : 0;
    std::optional<std::vector<std::uint8_t>> raw, png, dib;
    {
        // Only the bytes are taken while the clipboard is open; decoding happens after
        // it is closed again.
        ui::ClipboardSession session(clipboard);
        if (!session.IsOpen()) return std::nullopt;
        if (rawFormat != 0 && session->Has(rawFormat)) raw = session->Get(rawFormat);
        else if (pngFormat != 0 && session->Has(pngFormat)) png = session->Get(pngFormat);
        else if (session->Has(ui::Clipboard::kDib)) dib = session->Get(ui::Clipboard::kDib);
    }
    if (raw) return DecodeRawPicture(*raw);
    if (png) {
        const gfx::codecs::Codec* codec = gfx::codecs::CodecForContent(*png);
        if (codec == nullptr || codec->Kind() != gfx::codecs::Format::Png)
            throw gfx::GfxError("clipboard picture: PNG format without a PNG");
        auto picture = gfx::codecs::DecodePicture(*png);
        if (!picture) throw gfx::GfxError("clipboard picture: bad PNG");
        return picture;
    }
    if (dib) return gfx::codecs::DecodeDib(*dib, gfx::codecs::DecodeLimits{}, false);
    return std::nullopt;
}

} // namespace ix::actions
