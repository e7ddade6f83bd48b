// Every writable format: save then load gives the picture back (exactly for lossless
// formats, within a tolerance for JPEG), recognised by content, alpha kept where the
// format stores it, black-and-white pictures kept 1-bit where the format is 1-bit.
#include "CodecTestSupport.h"

#include "gfx/codecs/Codecs.h"

#include <gtest/gtest.h>

namespace ix::gfx::codecs {
namespace {

using namespace testing;

enum class Alpha { None, Full, Binary };

struct FormatCase {
    const char* fileName;
    Format format;
    Alpha alpha;        // what the format keeps of an alpha plane
    bool blackWhite;    // a BlackWhite1 picture comes back as BlackWhite1
    int tolerance;      // 0: exact
    int maxColours;     // 0: any number
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.fileName; }

const FormatCase kFormats[] = {
    {"a.bmp", Format::Bmp, Alpha::Full, true, 0, 0},
    {"a.png", Format::Png, Alpha::Full, true, 0, 0},
    {"a.tif", Format::Tiff, Alpha::Full, true, 0, 0},
    {"a.gif", Format::Gif, Alpha::Binary, false, 0, 200},
    {"a.pcx", Format::Pcx, Alpha::None, true, 0, 0},
    {"a.dcx", Format::Dcx, Alpha::None, true, 0, 0},
    {"a.tga", Format::Tga, Alpha::Full, false, 0, 0},
    {"a.ppm", Format::Pnm, Alpha::None, false, 0, 0},
    {"a.pxm", Format::Pnm, Alpha::None, true, 0, 0},
    {"a.pbm", Format::Pnm, Alpha::None, true, 0, 0},
    {"a.wbmp", Format::Wbmp, Alpha::None, true, 0, 0},
    {"a.ico", Format::Ico, Alpha::Full, false, 0, 0},
    {"a.jpg", Format::Jpeg, Alpha::None, false, 12, 0},
};

class RoundTrip : public ::testing::TestWithParam<FormatCase> {
protected:
    Picture Trip(const Picture& picture)
    {
        const FormatCase& c = GetParam();
        const auto bytes = EncodePicture(c.fileName, picture);
        EXPECT_TRUE(bytes.has_value());
        if (!bytes) return {};
        const Codec* codec = CodecForContent(*bytes);
        EXPECT_NE(codec, nullptr);
        if (codec) {
            EXPECT_EQ(codec->Kind(), c.format);
        }
        auto decoded = DecodePicture(*bytes);
        EXPECT_TRUE(decoded.has_value());
        return decoded ? std::move(*decoded) : Picture();
    }
};

// Each property over the formats it applies to.
class ColourRoundTrip : public RoundTrip {};
class AlphaRoundTrip : public RoundTrip {};

TEST_P(ColourRoundTrip, ColourPictureComesBack)
{
    const FormatCase& c = GetParam();
    const Picture original = c.tolerance ? SmoothPicture() : c.maxColours ? FewColourPicture() : ColourPicture();
    const Picture back = Trip(original);
    ASSERT_EQ(back.GetSize(), original.GetSize());
    EXPECT_EQ(back.Format(), PixelFormat::Bgr24);
    EXPECT_LE(MaxChannelDifference(back, original), c.tolerance);
    EXPECT_FALSE(back.HasAlpha()) << "an opaque picture must not gain an alpha plane";
}

TEST_P(AlphaRoundTrip, AlphaIsKept)
{
    const FormatCase& c = GetParam();
    const Picture original = AlphaPicture(c.alpha == Alpha::Binary, c.maxColours);
    const Picture back = Trip(original);
    ASSERT_TRUE(back.HasAlpha());
    ASSERT_EQ(back.GetSize(), original.GetSize());
    for (int y = 0; y < original.Height(); ++y)
        for (int x = 0; x < original.Width(); ++x) {
            ASSERT_EQ(back.GetAlpha({x, y}), original.GetAlpha({x, y})) << x << "," << y;
            // Fully transparent pixels may lose their colour (GIF keeps one index for them).
            if (original.GetAlpha({x, y}) != 0) {
                ASSERT_EQ(back.GetPixel({x, y}), original.GetPixel({x, y})) << x << "," << y;
            }
        }
}

TEST_P(RoundTrip, BlackWhitePictureComesBack)
{
    const FormatCase& c = GetParam();
    const Picture original = BlackWhitePicture();
    const Picture back = Trip(original);
    ASSERT_EQ(back.GetSize(), original.GetSize());
    if (c.blackWhite) {
        EXPECT_EQ(back.Format(), PixelFormat::BlackWhite1);
    }
    EXPECT_LE(MaxChannelDifference(back, original), c.tolerance * 3);
}

std::vector<FormatCase> Formats(bool (*keep)(const FormatCase&))
{
    std::vector<FormatCase> out;
    for (const auto& c : kFormats)
        if (keep(c)) out.push_back(c);
    return out;
}

std::string CaseName(const ::testing::TestParamInfo<FormatCase>& info) { return info.param.fileName + 2; }

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip, ::testing::ValuesIn(kFormats), CaseName);
INSTANTIATE_TEST_SUITE_P(Formats, ColourRoundTrip, ::testing::ValuesIn(Formats([](const FormatCase& c) {
                             const std::string n = c.fileName;
                             return !n.ends_with(".pbm") && !n.ends_with(".wbmp"); // 1-bit formats
                         })),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(Formats, AlphaRoundTrip,
                         ::testing::ValuesIn(Formats([](const FormatCase& c) { return c.alpha != Alpha::None; })), CaseName);

TEST(RoundTrip, JpegQualityChangesSizeAndError)
{
    const Picture original = ColourPicture(64, 64);
    EncodeOptions low, high;
    low.jpegQuality = 10;
    high.jpegQuality = 98;
    const Bytes small = *EncodePicture("a.jpg", original, low);
    const Bytes large = *EncodePicture("a.jpg", original, high);
    EXPECT_LT(small.size(), large.size());
    EXPECT_LT(MaxChannelDifference(*DecodePicture(large), original), MaxChannelDifference(*DecodePicture(small), original));
}

TEST(RoundTrip, PgmStoresGreyLevels)
{
    Picture grey(Size{5, 3});
    for (int x = 0; x < 5; ++x) grey.SetPixel({x, 1}, Color::FromRgb(x * 50, x * 50, x * 50));
    const Picture back = *DecodePicture(*EncodePicture("g.pgm", grey));
    EXPECT_TRUE(SamePixels(back, grey));
}

TEST(RoundTrip, ManyColoursInGifBecomeTheNearestCubeColour)
{
    const Picture original = ColourPicture(40, 40); // far more than 256 colours
    const Picture back = *DecodePicture(*EncodePicture("a.gif", original));
    EXPECT_LE(MaxChannelDifference(back, original), 26);
}

TEST(RoundTrip, ResolutionIsKept)
{
    Picture p = ColourPicture();
    p.SetDpi(300, 150);
    for (const char* name : {"a.bmp", "a.png", "a.tif", "a.jpg", "a.pcx"}) {
        const Picture back = *DecodePicture(*EncodePicture(name, p));
        EXPECT_EQ(back.DpiX(), 300) << name;
        EXPECT_EQ(back.DpiY(), 150) << name;
    }
}

TEST(RoundTrip, LargeIconIsStoredAsPng)
{
    const Picture original = AlphaPicture();
    Picture big = original;
    big.Resize(Size{300, 260});
    const Bytes bytes = *EncodePicture("big.ico", big);
    const Picture back = *DecodePicture(bytes);
    EXPECT_TRUE(SamePixels(back, big));
}

} // namespace
} // namespace ix::gfx::codecs
