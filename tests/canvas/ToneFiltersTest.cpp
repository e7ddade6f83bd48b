#include "FilterTestSupport.h"

#include "canvas/filters/ClampByte.h"
#include "canvas/filters/ToneFilters.h"

#include <gtest/gtest.h>

using namespace ix::canvas;
using namespace ix::canvas::test;

namespace {

struct ByteCase {
    std::int64_t a;
    int in;
    int out;
};

TEST(ClampByte, Range)
{
    EXPECT_EQ(ClampByte(-1), 0);
    EXPECT_EQ(ClampByte(0), 0);
    EXPECT_EQ(ClampByte(128), 128);
    EXPECT_EQ(ClampByte(255), 255);
    EXPECT_EQ(ClampByte(256), 255);
    EXPECT_EQ(ClampByte(-100000000000LL), 0);
}

TEST(LightenFilter, HandComputedBytes)
{
    const ByteCase cases[] = {
        {200, 0, 200},   // pressure 100: a byte of 0 brightens to 200
        {200, 255, 255}, // and 255 stays
        {200, 100, 221}, // 100 + 31000 div 255 = 100 + 121
        {2, 100, 101},   // 100 + 310 div 255
        {0, 77, 77},
        {-100, 100, 40},  // 100 + (-15500 div 255): the quotient truncates toward zero, -60
        {-1000, 100, 0},  // clamped
        {4294967294LL, 3, 255},
        {-4294967294LL, 3, 0},
    };
    for (const auto& c : cases) {
        auto p = GreyPicture({{c.in}});
        LightenFilter(p, c.a);
        EXPECT_EQ(GreyLevels(p)[0][0], c.out) << "a=" << c.a << " c=" << c.in;
    }
}

TEST(DarkenFilter, HandComputedBytes)
{
    const ByteCase cases[] = {
        {200, 100, 22},  // 100 - 20000 div 255 = 100 - 78
        {200, 255, 55},
        {200, 0, 0},
        {600, 100, 0},   // clamped
        {-100, 100, 139}, // 100 - (-10000 div 255) = 100 + 39
        {-1000, 200, 255},
    };
    for (const auto& c : cases) {
        auto p = GreyPicture({{c.in}});
        DarkenFilter(p, c.a);
        EXPECT_EQ(GreyLevels(p)[0][0], c.out) << "a=" << c.a << " c=" << c.in;
    }
}

TEST(DarkenFilter, MakesABlackAndWhitePicture24Bit)
{
    ix::gfx::Picture p({9, 2}, ix::gfx::colors::White, ix::gfx::PixelFormat::BlackWhite1);
    DarkenFilter(p, 255);
    EXPECT_EQ(p.Format(), ix::gfx::PixelFormat::Bgr24);
    EXPECT_EQ(GreyLevels(p), (Levels{{0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0}}));
}

TEST(SaturationFilter, MixesEachByteWithThePixelMean)
{
    struct Case {
        std::int64_t a;
        int b, g, r;
        int outB, outG, outR;
    };
    const Case cases[] = {
        {255, 30, 60, 90, 30, 60, 90},   // keeps the colour
        {0, 30, 60, 90, 60, 60, 60},     // grey
        {-255, 30, 60, 90, 90, 60, 30},  // inverted around the grey
        {100, 30, 60, 90, 49, 60, 71},   // 60 + (-3000 div 255) = 60 - 11, 60 + 11
        {0, 0, 0, 2, 0, 0, 0},           // the mean truncates: 2 div 3 = 0
        {1000, 0, 0, 255, 0, 0, 255},    // 85 + (1000·(-85)) div 255 = -248 → 0, 85 + 666 → 255
    };
    for (const auto& c : cases) {
        auto p = Pixel(c.b, c.g, c.r);
        SaturationFilter(p, c.a);
        const auto v = p.BgrRow(0)[0];
        EXPECT_EQ((std::array<int, 3>{v.b, v.g, v.r}), (std::array<int, 3>{c.outB, c.outG, c.outR})) << "a=" << c.a;
    }
}

TEST(SaturationFilter, PressureHundredMakesGreyAndZeroKeeps)
{
    // The brush's strength is 255 − (P · 255) div 100.
    auto grey = Pixel(10, 100, 250);
    SaturationFilter(grey, 255 - (100 * 255) / 100);
    EXPECT_EQ(grey.BgrRow(0)[0], (ix::gfx::Bgr{120, 120, 120}));
    auto kept = Pixel(10, 100, 250);
    SaturationFilter(kept, 255 - (0 * 255) / 100);
    EXPECT_EQ(kept.BgrRow(0)[0], (ix::gfx::Bgr{10, 100, 250}));
}

} // namespace
