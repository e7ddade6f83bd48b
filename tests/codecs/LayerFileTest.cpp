// The layer file keeps every layer with all its properties; foreign files are told apart.
#include "CodecTestSupport.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/LayerFile.h"

#include <gtest/gtest.h>

namespace ix::gfx::codecs {
namespace {

using namespace testing;

std::vector<Layer> SampleLayers()
{
    std::vector<Layer> layers(4);
    layers[0].picture = ColourPicture(40, 30);
    layers[1].picture = AlphaPicture();
    layers[1].posX = -12;
    layers[1].posY = 7;
    layers[1].displayWidth = 46;
    layers[1].displayHeight = 34;
    layers[1].transparency = 300; // stored as given; composition clamps
    layers[1].blend = BlendOp::Luminosity;
    layers[1].rotation = 33.5;
    layers[2].picture = BlackWhitePicture();
    layers[2].visible = false;
    layers[2].isMask = true;
    layers[2].blend = BlendOp::Xor;
    layers[2].picture.SetDpi(300, 72);
    layers[3].picture = Picture(); // an empty layer survives too
    layers[3].transparency = -5;
    return layers;
}

void ExpectSameLayer(const Layer& a, const Layer& b, int index)
{
    SCOPED_TRACE(index);
    EXPECT_TRUE(SamePixels(a.picture, b.picture));
    EXPECT_EQ(a.picture.Format(), b.picture.Format());
    EXPECT_EQ(a.picture.HasAlpha(), b.picture.HasAlpha());
    EXPECT_EQ(a.picture.DpiX(), b.picture.DpiX());
    EXPECT_EQ(a.picture.DpiY(), b.picture.DpiY());
    EXPECT_EQ(a.posX, b.posX);
    EXPECT_EQ(a.posY, b.posY);
    EXPECT_EQ(a.displayWidth, b.displayWidth);
    EXPECT_EQ(a.displayHeight, b.displayHeight);
    EXPECT_EQ(a.visible, b.visible);
    EXPECT_EQ(a.transparency, b.transparency);
    EXPECT_EQ(a.blend, b.blend);
    EXPECT_EQ(a.isMask, b.isMask);
    EXPECT_EQ(a.rotation, b.rotation);
}

TEST(LayerFile, RoundTripKeepsEveryLayerAndTheCurrentIndex)
{
    const auto layers = SampleLayers();
    const Bytes bytes = WriteLayerFile(layers, 2);
    ASSERT_TRUE(HasLayerFileSignature(bytes));
    const LayerDocument doc = ReadLayerFile(bytes);
    ASSERT_EQ(doc.layers.size(), layers.size());
    EXPECT_EQ(doc.currentIndex, 2);
    for (std::size_t i = 0; i < layers.size(); ++i) ExpectSameLayer(doc.layers[i], layers[i], static_cast<int>(i));
}

TEST(LayerFile, EveryBlendOperationSurvives)
{
    std::vector<Layer> layers(kBlendOpCount);
    for (int i = 0; i < kBlendOpCount; ++i) {
        layers[static_cast<std::size_t>(i)].picture = Picture(Size{1, 1});
        layers[static_cast<std::size_t>(i)].blend = static_cast<BlendOp>(i);
    }
    const LayerDocument doc = ReadLayerFile(WriteLayerFile(layers, 37));
    for (int i = 0; i < kBlendOpCount; ++i) EXPECT_EQ(doc.layers[static_cast<std::size_t>(i)].blend, static_cast<BlendOp>(i));
}

TEST(LayerFile, PackedRowsAreSmallForPlainPictures)
{
    std::vector<Layer> layers(1);
    layers[0].picture = Picture(Size{1000, 1000}, colors::White);
    EXPECT_LT(WriteLayerFile(layers, 0).size(), 100000u);
}

TEST(LayerFile, ForeignAndBrokenFilesAreToldApart)
{
    const Bytes good = WriteLayerFile(SampleLayers(), 0);
    EXPECT_FALSE(HasLayerFileSignature(Bytes{'B', 'M', 0, 0}));
    EXPECT_FALSE(HasLayerFileSignature(Bytes(good.begin(), good.begin() + 7)));
    EXPECT_THROW(ReadLayerFile(Bytes{'B', 'M'}), GfxError);
    for (std::size_t n = 8; n < good.size(); n += 97) EXPECT_THROW(ReadLayerFile(ByteView(good.data(), n)), GfxError) << n;
    Bytes later = good;
    later[8] = 2; // version 2 is not ours to read
    EXPECT_THROW(ReadLayerFile(later), GfxError);
    EXPECT_THROW(WriteLayerFile({}, 0), GfxError);
}

TEST(LayerFile, CurrentIndexOutOfRangeIsWrittenAsZero)
{
    const LayerDocument doc = ReadLayerFile(WriteLayerFile(SampleLayers(), 17));
    EXPECT_EQ(doc.currentIndex, 0);
}

} // namespace
} // namespace ix::gfx::codecs
