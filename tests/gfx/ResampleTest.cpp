#include "gfx/GfxError.h"
#include "gfx/Resample.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

using namespace ix::gfx;

namespace {

Picture Noise(Size size, unsigned seed)
{
    std::mt19937 rng(seed);
    Picture p(size);
    p.EnsureAlpha();
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            p.BgrRow(y)[x] = {std::uint8_t(rng()), std::uint8_t(rng()), std::uint8_t(rng())};
            p.AlphaRow(y)[x] = std::uint8_t(rng());
        }
    return p;
}

ResampleFilter Filter(int n) { return static_cast<ResampleFilter>(n); }

} // namespace

TEST(Resample, FlatPictureStaysFlatWithEveryFilter)
{
    const Color c = Color::FromRgb(13, 140, 251);
    Picture flat({37, 23}, c);
    flat.EnsureAlpha(77);
    for (int f = 0; f < kResampleFilterCount; ++f)
        for (Size size : {Size{9, 5}, Size{100, 61}, Size{37, 70}, Size{3, 23}}) {
            const Picture out = Resampled(flat, size, Filter(f));
            ASSERT_EQ(out.GetSize(), size);
            ASSERT_TRUE(out.HasAlpha());
            for (int y = 0; y < size.height; ++y)
                for (int x = 0; x < size.width; ++x) {
                    ASSERT_EQ(out.GetPixel({x, y}), c) << kResampleFilterNames[f] << " at " << x << "," << y;
                    ASSERT_EQ(out.GetAlpha({x, y}), 77) << kResampleFilterNames[f];
                }
        }
}

TEST(Resample, SameSizeIsTheIdentity)
{
    const Picture p = Noise({31, 17}, 1);
    for (int f = 0; f < kResampleFilterCount; ++f) {
        EXPECT_EQ(Resampled(p, p.GetSize(), Filter(f)), p) << kResampleFilterNames[f];
        Picture q = p;
        Resample(q, q.GetSize(), Filter(f));
        EXPECT_EQ(q, p);
    }
}

TEST(Resample, OneAxisOnlyTouchesThatAxis)
{
    // Scaling only the width of a picture whose columns are equal keeps every column equal.
    Picture p({6, 5});
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) p.SetPixel({x, y}, Color::FromRgb(40 * y, 0, 0));
    const Picture out = Resampled(p, {13, 5}, ResampleFilter::rfLanczos3);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 13; ++x) EXPECT_EQ(out.GetPixel({x, y}).R(), 40 * y);
}

TEST(Resample, PointAndBoxSampling)
{
    Picture p({4, 1});
    const int v[] = {0, 60, 120, 250};
    for (int x = 0; x < 4; ++x) p.SetPixel({x, 0}, Color::FromRgb(v[x], v[x], v[x]));
    const Picture none = Resampled(p, {2, 1}, ResampleFilter::rfNone);
    EXPECT_EQ(none.GetPixel({0, 0}).R(), 60);
    EXPECT_EQ(none.GetPixel({1, 0}).R(), 250);
    const Picture box = Resampled(p, {2, 1}, ResampleFilter::rfNearest);
    EXPECT_EQ(box.GetPixel({0, 0}).R(), 30);
    EXPECT_EQ(box.GetPixel({1, 0}).R(), 185);
    const Picture up = Resampled(p, {8, 1}, ResampleFilter::rfNearest);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(up.GetPixel({x, 0}).R(), v[x / 2]);
}

TEST(Resample, ReductionIsAntialiased)
{
    // A one-pixel checkerboard reduced 4 times: widened kernels give an even grey.
    Picture p({64, 64});
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) p.SetPixel({x, y}, (x + y) % 2 ? colors::White : colors::Black);
    for (ResampleFilter f : {ResampleFilter::rfLanczos3, ResampleFilter::rfBicubic, ResampleFilter::rfBilinear,
                             ResampleFilter::rfMitchell, ResampleFilter::rfNearest}) {
        const Picture out = Resampled(p, {16, 16}, f);
        for (int y = 1; y < 15; ++y)
            for (int x = 1; x < 15; ++x)
                ASSERT_LE(std::abs(out.GetPixel({x, y}).R() - 128), 3) << kResampleFilterNames[int(f)] << x << "," << y;
    }
}

TEST(Resample, ProjectionsKeepThinLines)
{
    // A one-pixel black line on white survives ProjectBW and vanishes under ProjectWB.
    Picture p({40, 40}, colors::White);
    for (int y = 0; y < 40; ++y) p.SetPixel({13, y}, colors::Black);
    const Picture bw = Resampled(p, {10, 10}, ResampleFilter::rfProjectBW);
    const Picture wb = Resampled(p, {10, 10}, ResampleFilter::rfProjectWB);
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(bw.GetPixel({3, y}), colors::Black);
        EXPECT_EQ(bw.GetPixel({5, y}), colors::White);
        for (int x = 0; x < 10; ++x) EXPECT_EQ(wb.GetPixel({x, y}), colors::White);
    }
}

TEST(Resample, BlackWhitePicturesStayBlackWhite)
{
    Picture p({16, 16}, colors::White, PixelFormat::BlackWhite1);
    p.SetPixel({0, 0}, colors::Black);
    const Picture out = Resampled(p, {32, 32}, ResampleFilter::rfNone);
    EXPECT_EQ(out.Format(), PixelFormat::BlackWhite1);
    EXPECT_EQ(out.GetPixel({1, 1}), colors::Black);
    EXPECT_EQ(out.GetPixel({2, 2}), colors::White);
}

TEST(Resample, RefusedSizesThrowAndKeepTheSource)
{
    Picture p = Noise({8, 8}, 3);
    const Picture before = p;
    for (Size s : {Size{-1, 5}, Size{Picture::kMaxSide + 1, 1}, Size{Picture::kMaxSide, Picture::kMaxSide}}) {
        EXPECT_THROW(Resample(p, s, ResampleFilter::rfBicubic), GfxError);
        EXPECT_EQ(p, before);
    }
    Picture empty;
    Resample(empty, {10, 10}, ResampleFilter::rfBicubic);
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(ResampleFilterNames, NumbersAndNames)
{
    EXPECT_EQ(ResampleFilterByName("None"), ResampleFilter::rfNone);
    EXPECT_EQ(ResampleFilterByName("FastLinear"), ResampleFilter::rfFastLinear);
    EXPECT_EQ(static_cast<int>(*ResampleFilterByName("ProjectWB")), 13);
    EXPECT_EQ(ResampleFilterByName("bicubic"), std::nullopt);
    EXPECT_EQ(ResampleFilterFromNumber(14), ResampleFilter::rfNone);
}

TEST(Resample, EveryRowAndColumnIsComputedAlike)
{
    // Rows (columns) that are equal must stay equal: the fast paths for most rows and the
    // plain path for the last row and the last bytes of a row must agree.
    Picture rows({53, 6}), cols({23, 41}); // 69-byte rows: every vector width and a tail
    std::mt19937 rng(5);
    for (int x = 0; x < 53; ++x) {
        const Color c = Color::FromRgb(int(rng() & 255), int(rng() & 255), int(rng() & 255));
        for (int y = 0; y < 6; ++y) rows.SetPixel({x, y}, c);
    }
    for (int y = 0; y < 41; ++y) {
        const Color c = Color::FromRgb(int(rng() & 255), int(rng() & 255), int(rng() & 255));
        for (int x = 0; x < 23; ++x) cols.SetPixel({x, y}, c);
    }
    for (int f = 1; f < kResampleFilterCount; ++f) {
        for (Size size : {Size{19, 6}, Size{120, 6}, Size{19, 13}}) {
            const Picture out = Resampled(rows, size, Filter(f));
            for (int y = 1; y < size.height; ++y)
                for (int x = 0; x < size.width; ++x)
                    ASSERT_EQ(out.GetPixel({x, y}), out.GetPixel({x, 0})) << kResampleFilterNames[f] << x << "," << y;
        }
        for (Size size : {Size{23, 13}, Size{23, 100}, Size{3, 100}}) {
            const Picture out = Resampled(cols, size, Filter(f));
            for (int y = 0; y < size.height; ++y)
                for (int x = 1; x < size.width; ++x)
                    ASSERT_EQ(out.GetPixel({x, y}), out.GetPixel({0, y})) << kResampleFilterNames[f] << x << "," << y;
        }
    }
}

TEST(Resample, TallToWideNeedsNoHugeIntermediate)
{
    // 10 × 60000 to 60000 × 10: scaling x first would need a 60000 × 60000 buffer.
    Picture tall({10, 60000}, Color::FromRgb(1, 2, 3));
    const Picture wide = Resampled(tall, {60000, 10}, ResampleFilter::rfLanczos3);
    EXPECT_EQ(wide.GetPixel({59999, 9}), Color::FromRgb(1, 2, 3));
}
