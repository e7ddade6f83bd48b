#include "gfx/ops/HiddenText.h"

#include <algorithm>
#include <cstdint>

namespace ix::gfx {

namespace {

// Walks the carrier bytes of a picture in order.
template <typename PictureT>
class Carrier {
public:
    explicit Carrier(PictureT& p) : picture_(p), rowBytes_(static_cast<std::size_t>(p.Width()) * 3) {}
    bool AtEnd() const { return y_ >= picture_.Height() || rowBytes_ == 0; }
    auto& Next()
    {
        auto& b = picture_.Row(y_)[x_];
        if (++x_ == rowBytes_) {
            x_ = 0;
            ++y_;
        }
        return b;
    }

private:
    PictureT& picture_;
    std::size_t rowBytes_;
    std::size_t x_ = 0;
    int y_ = 0;
};

void StoreBit(std::uint8_t& b, bool bit)
{
    if (((b & 1) != 0) == bit) return;
    b = bit ? static_cast<std::uint8_t>(b + 1) : (b == 255 ? std::uint8_t{254} : static_cast<std::uint8_t>(b + 1));
}

} // namespace

void WriteHiddenText(Picture& picture, std::string_view text)
{
    picture.ConvertTo(PixelFormat::Bgr24);
    Carrier<Picture> carrier(picture);
    const auto length = static_cast<std::uint32_t>(text.size());
    auto writeByte = [&](std::uint8_t value) {
        for (int bit = 0; bit < 8; ++bit) {
            if (carrier.AtEnd()) return false;
            StoreBit(carrier.Next(), (value >> bit) & 1);
        }
        return true;
    };
    for (int i = 0; i < 4; ++i) {
        if (!writeByte(0)) return;
    }
    for (int i = 0; i < 4; ++i) {
        if (!writeByte(static_cast<std::uint8_t>(length >> (8 * i)))) return;
    }
    for (char c : text) {
        if (!writeByte(static_cast<std::uint8_t>(c))) return;
    }
}

std::string ReadHiddenText(const Picture& picture)
{
    if (picture.Format() != PixelFormat::Bgr24 || picture.IsEmpty()) return {};
    Carrier<const Picture> carrier(picture);
    auto readByte = [&](std::uint8_t& value) {
        value = 0;
        for (int bit = 0; bit < 8; ++bit) {
            if (carrier.AtEnd()) return false;
            value = static_cast<std::uint8_t>(value | ((carrier.Next() & 1) << bit));
        }
        return true;
    };
    std::uint8_t header[8];
    for (auto& h : header) {
        if (!readByte(h)) return {};
    }
    if (header[0] != 0 || header[1] != 0 || header[2] != 0 || header[3] != 0) return {};
    const std::uint32_t length = header[4] | header[5] << 8 | header[6] << 16 | static_cast<std::uint32_t>(header[7]) << 24;
    const std::uint64_t carrierBytes = static_cast<std::uint64_t>(picture.Width()) * picture.Height() * 3;
    if (length >= carrierBytes) return {};
    // The stream can hold at most carrierBytes / 8 bytes, which bounds the text.
    std::string text;
    text.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(length, carrierBytes / 8)));
    for (std::uint32_t i = 0; i < length; ++i) {
        std::uint8_t value;
        if (!readByte(value)) break;
        text.push_back(static_cast<char>(value));
    }
    return text;
}

} // namespace ix::gfx
