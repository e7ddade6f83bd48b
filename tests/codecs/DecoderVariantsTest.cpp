// Variants the encoders never write but files in the wild carry, built byte by byte.
#include "CodecTestSupport.h"

#include "gfx/codecs/ByteWriter.h"
#include "gfx/codecs/Codecs.h"

#include <gtest/gtest.h>

namespace ix::gfx::codecs {
namespace {

using namespace testing;

// A BMP with a 40-byte header; `palette` as BGRX entries.
Bytes Bmp(int width, int height, int bpp, std::uint32_t compression, const Bytes& palette, const Bytes& pixels,
          const std::vector<std::uint32_t>& masks = {})
{
    Bytes out;
    ByteWriter w(out);
    const std::uint32_t offset = static_cast<std::uint32_t>(14 + 40 + 4 * masks.size() + palette.size());
    w.Text("BM");
    w.U32LE(offset + static_cast<std::uint32_t>(pixels.size()));
    w.U32LE(0);
    w.U32LE(offset);
    w.U32LE(40);
    w.I32LE(width);
    w.I32LE(height);
    w.U16LE(1);
    w.U16LE(static_cast<unsigned>(bpp));
    w.U32LE(compression);
    w.U32LE(static_cast<std::uint32_t>(pixels.size()));
    w.U32LE(0);
    w.U32LE(0);
    w.U32LE(static_cast<std::uint32_t>(palette.size() / 4));
    w.U32LE(0);
    for (auto m : masks) w.U32LE(m);
    w.Append(palette);
    w.Append(pixels);
    return out;
}

const Bytes kFourColours = {0, 0, 255, 0, /*red*/ 0, 255, 0, 0, /*green*/ 255, 0, 0, 0, /*blue*/ 255, 255, 255, 0};
const Color kRed = colors::Red, kGreen = Color::FromRgb(0, 255, 0), kBlue = Color::FromRgb(0, 0, 255);

Picture Decode(const Bytes& bytes)
{
    auto p = DecodePicture(bytes);
    EXPECT_TRUE(p.has_value());
    return p ? *p : Picture();
}

TEST(BmpVariants, Rle8WithRunsLiteralsDeltaAndEndOfLine)
{
    // Bottom-up 4 × 3: row 0 "red red green blue", row 1 skipped by delta, row 2 "blue".
    const Bytes data = {2, 0, /*2 × red*/ 0, 3, 1, 2, 3, 0, /*literal green blue white + pad*/ 0, 0, /*eol*/
                        0, 2, 0, 1, /*delta down one row*/ 1, 2, /*1 × blue*/ 0, 1};
    const Picture p = Decode(Bmp(5, 3, 8, 1, kFourColours, data));
    ASSERT_EQ(p.GetSize(), (Size{5, 3}));
    EXPECT_EQ(p.GetPixel({0, 2}), kRed);
    EXPECT_EQ(p.GetPixel({1, 2}), kRed);
    EXPECT_EQ(p.GetPixel({2, 2}), kGreen);
    EXPECT_EQ(p.GetPixel({3, 2}), kBlue);
    EXPECT_EQ(p.GetPixel({4, 2}), colors::White);
    EXPECT_EQ(p.GetPixel({0, 1}), kRed) << "untouched pixels take entry 0";
    EXPECT_EQ(p.GetPixel({0, 0}), kBlue);
}

TEST(BmpVariants, Rle4AlternatesTheTwoIndexesOfARun)
{
    const Bytes data = {5, 0x12, 0, 0, 0, 1};
    const Picture p = Decode(Bmp(5, 1, 4, 2, kFourColours, data));
    EXPECT_EQ(p.GetPixel({0, 0}), kGreen);
    EXPECT_EQ(p.GetPixel({1, 0}), kBlue);
    EXPECT_EQ(p.GetPixel({2, 0}), kGreen);
    EXPECT_EQ(p.GetPixel({4, 0}), kGreen);
}

TEST(BmpVariants, FourBitTopDown)
{
    // Top-down (negative height) 3 × 2, rows padded to 4 bytes.
    const Bytes data = {0x01, 0x20, 0, 0, 0x33, 0x30, 0, 0};
    const Picture p = Decode(Bmp(3, -2, 4, 0, kFourColours, data));
    EXPECT_EQ(p.GetPixel({0, 0}), kRed);
    EXPECT_EQ(p.GetPixel({1, 0}), kGreen);
    EXPECT_EQ(p.GetPixel({2, 0}), kBlue);
    EXPECT_EQ(p.GetPixel({0, 1}), colors::White);
}

TEST(BmpVariants, SixteenBitFiveSixFiveBitfields)
{
    const Bytes data = {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0}; // red, green, blue, pad
    const Picture p = Decode(Bmp(3, 1, 16, 3, {}, data, {0xF800, 0x07E0, 0x001F}));
    EXPECT_EQ(p.GetPixel({0, 0}), kRed);
    EXPECT_EQ(p.GetPixel({1, 0}), kGreen);
    EXPECT_EQ(p.GetPixel({2, 0}), kBlue);
}

TEST(BmpVariants, ThirtyTwoBitWithZeroFourthBytesIsOpaque)
{
    const Bytes data = {1, 2, 3, 0, 4, 5, 6, 0};
    const Picture p = Decode(Bmp(2, 1, 32, 0, {}, data));
    EXPECT_FALSE(p.HasAlpha());
    EXPECT_EQ(p.GetPixel({1, 0}), Color::FromRgb(6, 5, 4));
}

TEST(BmpVariants, OneBitWithColouredPaletteIsColour)
{
    const Bytes palette = {0, 0, 255, 0, 0, 255, 0, 0};
    const Picture p = Decode(Bmp(2, 1, 1, 0, palette, {0x40, 0, 0, 0}));
    EXPECT_EQ(p.Format(), PixelFormat::Bgr24);
    EXPECT_EQ(p.GetPixel({0, 0}), kRed);
    EXPECT_EQ(p.GetPixel({1, 0}), kGreen);
}

Bytes TgaHeader(int type, int width, int height, int depth, int descriptor, int mapLength = 0, int mapDepth = 0)
{
    Bytes out;
    ByteWriter w(out);
    w.U8(0);
    w.U8(mapLength ? 1 : 0);
    w.U8(static_cast<unsigned>(type));
    w.U16LE(0);
    w.U16LE(static_cast<unsigned>(mapLength));
    w.U8(static_cast<unsigned>(mapDepth));
    w.U16LE(0);
    w.U16LE(0);
    w.U16LE(static_cast<unsigned>(width));
    w.U16LE(static_cast<unsigned>(height));
    w.U8(static_cast<unsigned>(depth));
    w.U8(static_cast<unsigned>(descriptor));
    return out;
}

TEST(TgaVariants, ColourMappedRunLengthBottomUp)
{
    Bytes file = TgaHeader(9, 3, 2, 8, 0, 2, 24);
    const Bytes rest = {0, 0, 255, /*red*/ 255, 0, 0, /*blue*/ 0x82, 0, /*3 × red: bottom row*/ 0x02, 1, 0, 1};
    file.insert(file.end(), rest.begin(), rest.end());
    const Picture p = Decode(file);
    EXPECT_EQ(p.GetPixel({0, 1}), kRed);
    EXPECT_EQ(p.GetPixel({2, 1}), kRed);
    EXPECT_EQ(p.GetPixel({0, 0}), kBlue);
    EXPECT_EQ(p.GetPixel({1, 0}), kRed);
}

TEST(TgaVariants, GreyAndSixteenBitRightToLeft)
{
    Bytes grey = TgaHeader(3, 2, 1, 8, 0x20);
    grey.push_back(10);
    grey.push_back(200);
    EXPECT_EQ(Decode(grey).GetPixel({1, 0}), Color::FromRgb(200, 200, 200));

    Bytes sixteen = TgaHeader(2, 2, 1, 16, 0x30);
    const Bytes px = {0x00, 0x7C, 0x1F, 0x00}; // red, blue; stored right to left
    sixteen.insert(sixteen.end(), px.begin(), px.end());
    const Picture p = Decode(sixteen);
    EXPECT_EQ(p.GetPixel({1, 0}), kRed);
    EXPECT_EQ(p.GetPixel({0, 0}), kBlue);
}

TEST(PcxVariants, EightBitWithPaletteAtTheEnd)
{
    Bytes file(128, 0);
    file[0] = 0x0A;
    file[1] = 5;
    file[2] = 1;
    file[3] = 8;
    file[8] = 2; // xMax
    file[65] = 1;
    file[66] = 4; // bytes per line
    const Bytes data = {0xC2, 1, 0, 0}; // two of index 1, then index 0, padding
    file.insert(file.end(), data.begin(), data.end());
    file.push_back(0x0C);
    for (int i = 0; i < 256; ++i) {
        file.push_back(static_cast<std::uint8_t>(i == 1 ? 255 : 0));
        file.push_back(0);
        file.push_back(static_cast<std::uint8_t>(i == 0 ? 255 : 0));
    }
    const Picture p = Decode(file);
    EXPECT_EQ(p.GetPixel({0, 0}), kRed);
    EXPECT_EQ(p.GetPixel({1, 0}), kRed);
    EXPECT_EQ(p.GetPixel({2, 0}), kBlue);
}

TEST(PnmVariants, PlainFormatsWithCommentsAndSixteenBitSamples)
{
    const std::string plain = "P3\n# a comment\n2 1\n# another\n65535\n65535 0 0  0 0 65535\n";
    const Picture p = Decode(Bytes(plain.begin(), plain.end()));
    EXPECT_EQ(p.GetPixel({0, 0}), kRed);
    EXPECT_EQ(p.GetPixel({1, 0}), kBlue);
    const std::string bits = "P1 3 1 101";
    const Picture b = Decode(Bytes(bits.begin(), bits.end()));
    EXPECT_EQ(b.Format(), PixelFormat::BlackWhite1);
    EXPECT_EQ(b.GetPixel({0, 0}), colors::Black);
    EXPECT_EQ(b.GetPixel({1, 0}), colors::White);
}

TEST(Sniffing, ContentDecidesNotTheName)
{
    const Bytes png = *EncodePicture("x.png", ColourPicture());
    EXPECT_EQ(CodecForContent(png)->Kind(), Format::Png);
    EXPECT_EQ(CodecForContent(Bytes{'h', 'e', 'l', 'l', 'o'}), nullptr);
    EXPECT_FALSE(DecodePicture(Bytes{'h', 'e', 'l', 'l', 'o'}).has_value());
    EXPECT_EQ(CodecForContent(Bytes{}), nullptr);
}

TEST(Sniffing, ExtensionsPickTheWriter)
{
    EXPECT_EQ(CodecForFileName("C:\\pics\\A.PNG")->Kind(), Format::Png);
    EXPECT_EQ(CodecForFileName("a.png.jpg")->Kind(), Format::Jpeg);
    EXPECT_EQ(CodecForFileName("a.JPEG")->Kind(), Format::Jpeg);
    EXPECT_EQ(CodecForFileName("dir.v2/name"), nullptr);
    EXPECT_EQ(CodecForFileName("a.xyz"), nullptr);
    EXPECT_EQ(CodecForFileName("a.psd"), nullptr) << "PSD is read only";
    EXPECT_EQ(CodecForFileName("a.cur"), nullptr) << "cursors are read only";
    EXPECT_FALSE(EncodePicture("a.unknown", ColourPicture()).has_value());
}

} // namespace
} // namespace ix::gfx::codecs
