#include "actions/PictureClipboard.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/BmpCodec.h"
#include "gfx/ops/SelectedArea.h"

#include <algorithm>
#include <limits>
#include <cstring>
#include <string_view>

namespace ix::actions {

namespace {

constexpr std::string_view kMagic = "IXPIC1";
constexpr std::size_t kHeaderSize = 6 + 4 + 4 + 1;

void PutU32(std::uint8_t* out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t GetU32(const std::uint8_t* p)
{
    return p[0] | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

} // namespace

std::vector<std::uint8_t> EncodeRawPicture(const gfx::Picture& source)
{
    gfx::Picture scratch;
    const gfx::Picture* picture = &gfx::AsColour(source, scratch);
    const auto w = static_cast<std::size_t>(picture->Width());
    const auto h = static_cast<std::size_t>(picture->Height());
    const bool alpha = picture->HasAlpha();
    const std::uint64_t total = kHeaderSize + std::uint64_t{w} * h * (alpha ? 4 : 3);
    if (total > std::numeric_limits<std::size_t>::max()) throw gfx::GfxError("picture too large for the clipboard");
    std::vector<std::uint8_t> out(static_cast<std::size_t>(total));
    if (out.size() < kHeaderSize) return out; // cannot happen; tells the compiler the header fits
    std::memcpy(out.data(), kMagic.data(), kMagic.size());
    PutU32(out.data() + 6, static_cast<std::uint32_t>(w));
    PutU32(out.data() + 10, static_cast<std::uint32_t>(h));
    out[14] = alpha ? 1 : 0;
    std::uint8_t* at = out.data() + kHeaderSize;
    for (int y = 0; y < picture->Height(); ++y, at += w * 3) std::memcpy(at, picture->Row(y), w * 3);
    if (alpha)
        for (int y = 0; y < picture->Height(); ++y, at += w) std::memcpy(at, picture->AlphaRow(y), w);
    return out;
}

std::optional<gfx::Picture> DecodeRawPicture(std::span<const std::uint8_t> block)
{
    if (block.size() < kHeaderSize || std::memcmp(block.data(), kMagic.data(), kMagic.size()) != 0) return std::nullopt;
    const std::uint32_t w = GetU32(block.data() + 6);
    const std::uint32_t h = GetU32(block.data() + 10);
    const std::uint8_t alpha = block[14];
    if (alpha > 1 || w > gfx::Picture::kMaxSide || h > gfx::Picture::kMaxSide) return std::nullopt;
    const std::uint64_t pixels = std::uint64_t{w} * h;
    if (block.size() - kHeaderSize != pixels * (alpha ? 4 : 3)) return std::nullopt;
    gfx::Picture picture(gfx::Size{static_cast<int>(w), static_cast<int>(h)});
    const std::uint8_t* in = block.data() + kHeaderSize;
    for (int y = 0; y < picture.Height(); ++y, in += w * 3) std::copy_n(in, w * 3, picture.Row(y));
    if (alpha) {
        picture.EnsureAlpha();
        for (int y = 0; y < picture.Height(); ++y, in += w) std::copy_n(in, w, picture.AlphaRow(y));
    }
    return picture;
}

bool CopyPictureToClipboard(ui::Clipboard& clipboard, const gfx::Picture& picture)
{
    // Encode before opening, so that a failure leaves the clipboard as it was.
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

} // namespace ix::actions
