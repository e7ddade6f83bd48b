// Photoshop files: the composite image, and the layers with their placement and modes.
#include "CodecTestSupport.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/ByteWriter.h"
#include "gfx/codecs/Codecs.h"
#include "gfx/codecs/PackBits.h"
#include "gfx/codecs/PsdCodec.h"

#include <gtest/gtest.h>

namespace ix::gfx::codecs {
namespace {

using namespace testing;

void Be16(Bytes& b, unsigned v) { ByteWriter(b).U16BE(v); }
void Be32(Bytes& b, std::uint32_t v) { ByteWriter(b).U32BE(v); }

struct PsdLayer {
    Rect rect;
    const char* key;
    int opacity;
    bool hidden;
    bool packed;
    Picture picture; // rect-sized, with alpha
};

// Planes R, G, B (and A) of a picture, one byte per sample.
std::vector<Bytes> Planes(const Picture& p, bool alpha)
{
    std::vector<Bytes> planes(alpha ? 4 : 3);
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            const Color c = p.GetPixel({x, y});
            planes[0].push_back(c.R());
            planes[1].push_back(c.G());
            planes[2].push_back(c.B());
            if (alpha) planes[3].push_back(p.GetAlpha({x, y}));
        }
    return planes;
}

Bytes ChannelData(const Bytes& plane, int width, int height, bool packed)
{
    Bytes out;
    Be16(out, packed ? 1 : 0);
    if (!packed) {
        out.insert(out.end(), plane.begin(), plane.end());
        return out;
    }
    std::vector<Bytes> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        PackBits(ByteView(plane.data() + static_cast<std::size_t>(y * width), static_cast<std::size_t>(width)), rows[static_cast<std::size_t>(y)]);
        Be16(out, static_cast<unsigned>(rows[static_cast<std::size_t>(y)].size()));
    }
    for (const auto& r : rows) out.insert(out.end(), r.begin(), r.end());
    return out;
}

Bytes Psd(const Picture& composite, const std::vector<PsdLayer>& layers)
{
    Bytes out;
    out.insert(out.end(), {'8', 'B', 'P', 'S'});
    Be16(out, 1);
    out.insert(out.end(), 6, 0);
    Be16(out, 4);
    Be32(out, static_cast<std::uint32_t>(composite.Height()));
    Be32(out, static_cast<std::uint32_t>(composite.Width()));
    Be16(out, 8);
    Be16(out, 3);
    Be32(out, 0); // colour mode data
    Be32(out, 0); // image resources

    Bytes info;
    Be16(info, static_cast<unsigned>(-static_cast<int>(layers.size())) & 0xFFFF); // negative: merged alpha
    std::vector<std::vector<Bytes>> channelData;
    for (const auto& l : layers) {
        Be32(info, static_cast<std::uint32_t>(l.rect.top));
        Be32(info, static_cast<std::uint32_t>(l.rect.left));
        Be32(info, static_cast<std::uint32_t>(l.rect.bottom));
        Be32(info, static_cast<std::uint32_t>(l.rect.right));
        Be16(info, 4);
        const auto planes = Planes(l.picture, true);
        std::vector<Bytes> data;
        const int ids[4] = {0, 1, 2, -1};
        for (int c = 0; c < 4; ++c) {
            data.push_back(ChannelData(planes[static_cast<std::size_t>(c)], l.rect.Width(), l.rect.Height(), l.packed));
            Be16(info, static_cast<unsigned>(ids[c]) & 0xFFFF);
            Be32(info, static_cast<std::uint32_t>(data.back().size()));
        }
        info.insert(info.end(), {'8', 'B', 'I', 'M'});
        info.insert(info.end(), l.key, l.key + 4);
        info.push_back(static_cast<std::uint8_t>(l.opacity));
        info.push_back(0);
        info.push_back(l.hidden ? 2 : 0);
        info.push_back(0);
        Bytes extra;
        Be32(extra, 0); // mask data
        Be32(extra, 0); // blending ranges
        extra.insert(extra.end(), {3, 'a', 'b', 'c'}); // name, padded to 4
        Be32(info, static_cast<std::uint32_t>(extra.size()));
        info.insert(info.end(), extra.begin(), extra.end());
        channelData.push_back(data);
    }
    for (const auto& data : channelData)
        for (const auto& d : data) info.insert(info.end(), d.begin(), d.end());
    if (info.size() & 1) info.push_back(0);
    Bytes layerAndMask;
    Be32(layerAndMask, static_cast<std::uint32_t>(info.size()));
    layerAndMask.insert(layerAndMask.end(), info.begin(), info.end());
    Be32(layerAndMask, 0); // global mask
    Be32(out, static_cast<std::uint32_t>(layerAndMask.size()));
    out.insert(out.end(), layerAndMask.begin(), layerAndMask.end());

    Be16(out, 0);
    for (const auto& plane : Planes(composite, true)) out.insert(out.end(), plane.begin(), plane.end());
    return out;
}

Picture LayerPicture(int w, int h, Color c, std::uint8_t alpha)
{
    Picture p(Size{w, h}, c);
    p.EnsureAlpha(alpha);
    p.SetAlpha({0, 0}, 10);
    return p;
}

TEST(Psd, CompositeWithMergedAlpha)
{
    const Picture composite = AlphaPicture();
    const Bytes file = Psd(composite, {{Rect{0, 0, 2, 2}, "norm", 255, false, false, LayerPicture(2, 2, colors::Red, 255)}});
    EXPECT_EQ(CodecForContent(file)->Kind(), Format::Psd);
    const Picture back = *DecodePicture(file);
    EXPECT_TRUE(SamePixels(back, composite));
}

TEST(Psd, LayersKeepPlacementVisibilityOpacityAndMode)
{
    const Picture red = LayerPicture(4, 3, colors::Red, 255);
    const Picture blue = LayerPicture(3, 2, Color::FromRgb(0, 0, 255), 200);
    const Bytes file = Psd(ColourPicture(8, 6), {{Rect{0, 0, 4, 3}, "norm", 255, false, false, red},
                                                 {Rect{2, 1, 5, 3}, "mul ", 128, true, true, blue}});
    const auto layers = DecodePsdLayers(file, DecodeLimits{});
    ASSERT_EQ(layers.size(), 2u);
    EXPECT_TRUE(SamePixels(layers[0].picture, red));
    EXPECT_EQ(layers[0].posX, 0);
    EXPECT_TRUE(layers[0].visible);
    EXPECT_EQ(layers[0].transparency, 255);
    EXPECT_EQ(layers[0].blend, BlendOp::Normal);
    EXPECT_TRUE(SamePixels(layers[1].picture, blue));
    EXPECT_EQ(layers[1].posX, 2);
    EXPECT_EQ(layers[1].posY, 1);
    EXPECT_FALSE(layers[1].visible);
    EXPECT_EQ(layers[1].transparency, 128);
    EXPECT_EQ(layers[1].blend, BlendOp::Mul);
}

TEST(Psd, FileWithoutLayersGivesItsCompositeAsOneLayer)
{
    const Picture composite = ColourPicture(5, 4);
    const auto layers = DecodePsdLayers(Psd(composite, {}), DecodeLimits{});
    ASSERT_EQ(layers.size(), 1u);
    EXPECT_EQ(layers[0].picture.GetSize(), composite.GetSize());
}

TEST(Psd, BlendKeysMapToOurOperations)
{
    const struct {
        const char* key;
        BlendOp op;
    } cases[] = {{"norm", BlendOp::Normal}, {"scrn", BlendOp::Screen}, {"over", BlendOp::Overlay},
                 {"dark", BlendOp::Min},    {"lite", BlendOp::Max},    {"hue ", BlendOp::Hue},
                 {"lum ", BlendOp::Luminosity}, {"lddg", BlendOp::Add}, {"zzzz", BlendOp::Normal}};
    for (const auto& c : cases) EXPECT_EQ(BlendOpForPsdKey(c.key), c.op) << c.key;
}

TEST(Psd, TruncatedLayerDataIsRefused)
{
    const Bytes file = Psd(ColourPicture(8, 6), {{Rect{0, 0, 4, 3}, "norm", 255, false, true, LayerPicture(4, 3, colors::Red, 255)}});
    // Cuts inside the header and layer records and data (before the global mask length,
    // the compression field and the composite planes).
    for (std::size_t n = 30; n < file.size() - 8 * 6 * 4 - 2 - 4; n += 7)
        EXPECT_THROW(DecodePsdLayers(ByteView(file.data(), n), DecodeLimits{}), GfxError) << n;
}

} // namespace
} // namespace ix::gfx::codecs
