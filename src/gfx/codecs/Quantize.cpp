#include "gfx/codecs/Quantize.h"

#include "gfx/codecs/DecodeSupport.h"

#include <unordered_map>

namespace ix::gfx::codecs {

namespace {

std::uint32_t Key(Bgr c) { return static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 | c.b; }

} // namespace

IndexedPicture ToIndexed(const Picture& source)
{
    const Bgr24Source bgr(source);
    const Picture& picture = *bgr;
    const bool alpha = HasTransparency(picture);
    const int first = alpha ? 1 : 0;
    const std::size_t room = alpha ? 255 : 256;
    IndexedPicture out;
    out.indexes.resize(CheckedProduct(static_cast<std::uint64_t>(picture.Width()), static_cast<std::uint64_t>(picture.Height()), "palette"));
    out.palette.resize(static_cast<std::size_t>(first));
    if (alpha) out.transparentIndex = 0;

    std::unordered_map<std::uint32_t, int> exact;
    bool tooMany = false;
    for (int y = 0; y < picture.Height() && !tooMany; ++y) {
        const Bgr* row = picture.BgrRow(y);
        for (int x = 0; x < picture.Width(); ++x) {
            auto [it, added] = exact.emplace(Key(row[x]), 0);
            if (!added) continue;
            if (exact.size() > room) { tooMany = true; break; }
            it->second = static_cast<int>(out.palette.size());
            out.palette.push_back(row[x]);
        }
    }
    if (tooMany) {
        out.palette.resize(static_cast<std::size_t>(first));
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 7; ++g)
                for (int b = 0; b < 6; ++b)
                    out.palette.push_back(Bgr{static_cast<std::uint8_t>(b * 51), static_cast<std::uint8_t>(g * 255 / 6), static_cast<std::uint8_t>(r * 51)});
    }
    for (int y = 0; y < picture.Height(); ++y) {
        const Bgr* row = picture.BgrRow(y);
        const std::uint8_t* a = alpha ? picture.AlphaRow(y) : nullptr;
        std::uint8_t* dst = out.indexes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.Width());
        for (int x = 0; x < picture.Width(); ++x) {
            if (a && a[x] < 128) {
                dst[x] = 0;
            } else if (!tooMany) {
                dst[x] = static_cast<std::uint8_t>(exact[Key(row[x])]);
            } else {
                const int r = (row[x].r + 25) / 51, g = (row[x].g * 6 + 127) / 255, b = (row[x].b + 25) / 51;
                dst[x] = static_cast<std::uint8_t>(first + (r * 7 + g) * 6 + b);
            }
        }
    }
    return out;
}

} // namespace ix::gfx::codecs
