// Processing operations on the selected area: negative, red eyes, blur, crop, tiling,
// masked copy and the keyed draw.
#include "gfx/GfxError.h"
#include "gfx/ops/Blur.h"
#include "gfx/ops/Contrast.h"
#include "gfx/ops/GammaCorrect.h"
#include "gfx/ops/Sharpen.h"
#include "gfx/ops/CropSel.h"
#include "gfx/ops/KeyedDraw.h"
#include "gfx/ops/MakeTile.h"
#include "gfx/ops/MaskedCopy.h"
#include "gfx/ops/Negative.h"
#include "gfx/ops/RemoveRedEyes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace ix::gfx;

namespace {

constexpr Color kRgb(int r, int g, int b) { return Color::FromRgb(r, g, b); }

// A picture whose pixel (x, y) has red x·10, green y·10 and blue 100.
Picture Ramp(Size size)
{
    Picture p(size);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) p.SetPixel({x, y}, kRgb(x * 10, y * 10, 100));
    return p;
}

Selection RectSelection(Size picture, Rect r, std::uint8_t value = 255)
{
    Selection s;
    s.SelectRect(picture, r, value);
    return s;
}

int CountDifferent(const Picture& a, const Picture& b)
{
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) n += a.GetPixel({x, y}) != b.GetPixel({x, y});
    return n;
}

} // namespace

// ---- SelectedArea and mixing

TEST(SelectedArea, MixTakesTheTargetExactlyAtFullStrengthAndHalfwayAtHalf)
{
    EXPECT_EQ(MixChannel(0, 255, 255), 255);
    EXPECT_EQ(MixChannel(255, 0, 255), 0);
    EXPECT_EQ(MixChannel(17, 200, 0), 17);
    EXPECT_EQ(MixChannel(0, 255, 128), 128);
    EXPECT_EQ(MixChannel(255, 0, 128), 127);
}

TEST(SelectedArea, LayerOffsetShiftsTheMaskAndClipsTheBox)
{
    const Selection s = RectSelection({20, 20}, {10, 10, 15, 15});
    const SelectedArea area(s, {8, 8}); // the layer's pixel (2, 2) is picture pixel (10, 10)
    EXPECT_EQ(area.At(2, 2), 255);
    EXPECT_EQ(area.At(1, 2), 0);
    EXPECT_EQ(area.Box({4, 4}), (Rect{2, 2, 4, 4}));
    EXPECT_FALSE(area.IsWhole());
    Selection empty;
    EXPECT_TRUE(SelectedArea(empty, {}).IsWhole());
}

// ---- Negative

TEST(Negative, InvertsOnlyTheSelectedPixels)
{
    Picture p = Ramp({10, 10});
    const Picture before = p;
    const Selection s = RectSelection({10, 10}, {2, 3, 5, 6});
    Negative(p, SelectedArea(s, {}));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const Color o = before.GetPixel({x, y});
            const bool inside = x >= 2 && x < 5 && y >= 3 && y < 6;
            const Color expected = inside ? kRgb(255 - o.R(), 255 - o.G(), 255 - o.B()) : o;
            ASSERT_EQ(p.GetPixel({x, y}), expected) << x << "," << y;
        }
}

TEST(Negative, WholePictureTwiceRestoresItAndKeepsAlpha)
{
    Picture p = Ramp({6, 4});
    p.SetAlpha({1, 1}, 40);
    const Picture before = p;
    Negative(p);
    EXPECT_EQ(p.GetPixel({0, 0}), kRgb(255, 255, 155));
    EXPECT_EQ(p.GetAlpha({1, 1}), 40);
    Negative(p);
    EXPECT_EQ(p, before);
}

TEST(Negative, SoftMaskMixesAndBlackWhiteBecomesColour)
{
    Picture p({4, 4}, colors::Black);
    const Selection s = RectSelection({4, 4}, {0, 0, 4, 4}, 128);
    Negative(p, SelectedArea(s, {}));
    EXPECT_EQ(p.GetPixel({3, 3}), kRgb(128, 128, 128));

    Picture bw({8, 2}, colors::White, PixelFormat::BlackWhite1);
    Negative(bw);
    EXPECT_EQ(bw.Format(), PixelFormat::Bgr24);
    EXPECT_EQ(bw.GetPixel({7, 1}), colors::Black);
}

// ---- RemoveRedEyes

TEST(RemoveRedEyes, TakesTheRedCastOutOfReddishPixelsOnly)
{
    struct Case {
        Color in, out;
    };
    const std::vector<Case> cases = {
        {kRgb(200, 40, 40), kRgb(40, 40, 40)},     // red pupil
        {kRgb(255, 0, 0), kRgb(0, 0, 0)},          // pure red
        {kRgb(220, 60, 100), kRgb(80, 60, 100)},   // red against the mean of green and blue
        {kRgb(200, 150, 150), kRgb(200, 150, 150)}, // skin: red only 1.33 times the rest
        {kRgb(40, 5, 5), kRgb(40, 5, 5)},           // too dark to be a flash reflection
        {kRgb(30, 200, 30), kRgb(30, 200, 30)},     // green
        {kRgb(255, 255, 255), kRgb(255, 255, 255)},
    };
    for (const Case& c : cases) {
        Picture p({1, 1}, c.in);
        RemoveRedEyes(p);
        EXPECT_EQ(p.GetPixel({0, 0}), c.out) << c.in.Value();
    }
}

TEST(RemoveRedEyes, OutsideTheSelectionNothingChanges)
{
    Picture p({10, 1}, colors::Red);
    const Selection s = RectSelection({10, 1}, {0, 0, 5, 1});
    RemoveRedEyes(p, SelectedArea(s, {}));
    EXPECT_EQ(p.GetPixel({4, 0}), colors::Black);
    EXPECT_EQ(p.GetPixel({5, 0}), colors::Red);
}

// ---- Blur

TEST(Blur, RadiusNotAboveZeroChangesNothing)
{
    for (const double r : {0.0, -3.0, std::nan("")}) {
        Picture p = Ramp({8, 8});
        const Picture before = p;
        Blur(p, r);
        EXPECT_EQ(p, before) << r;
    }
}

TEST(Blur, SpreadsADotSymmetricallyAndWiderWithTheRadius)
{
    auto spread = [](double radius) {
        Picture p({41, 41}, colors::Black);
        p.SetPixel({20, 20}, colors::White);
        Blur(p, radius);
        EXPECT_LT(p.GetPixel({20, 20}).R(), 255);
        EXPECT_EQ(p.GetPixel({15, 20}), p.GetPixel({25, 20}));
        EXPECT_EQ(p.GetPixel({20, 15}), p.GetPixel({20, 25}));
        int lit = 0;
        for (int x = 0; x < 41; ++x) lit += p.GetPixel({x, 20}).R() > 0;
        return lit;
    };
    const int narrow = spread(1);
    const int wide = spread(4);
    EXPECT_GT(narrow, 1);
    EXPECT_GT(wide, narrow);
}

TEST(Blur, KeepsAUniformPictureAndPixelsOutsideTheSelection)
{
    Picture flat({30, 20}, kRgb(90, 120, 30));
    const Picture flatBefore = flat;
    Blur(flat, 5);
    EXPECT_EQ(flat, flatBefore);

    // Black and white halves: blurring only the left quarter leaves the rest as it was.
    Picture p({40, 10}, colors::Black);
    for (int y = 0; y < 10; ++y)
        for (int x = 20; x < 40; ++x) p.SetPixel({x, y}, colors::White);
    const Picture before = p;
    const Selection s = RectSelection({40, 10}, {15, 0, 20, 10});
    Blur(p, 3, SelectedArea(s, {}));
    EXPECT_GT(p.GetPixel({19, 5}).R(), 0); // white from outside the selection bled in
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 40; ++x) {
            if (x < 15 || x >= 20) {
                ASSERT_EQ(p.GetPixel({x, y}), before.GetPixel({x, y})) << x;
            }
        }
}

TEST(Blur, HugeRadiusFinishesAndAveragesTheWholePicture)
{
    Picture p = Ramp({25, 25});
    Blur(p, 1e9);
    const Color c = p.GetPixel({12, 12});
    EXPECT_NEAR(c.R(), 120, 15);
    EXPECT_NEAR(c.G(), 120, 15);
    EXPECT_EQ(c.B(), 100);
    EXPECT_EQ(BlurBoxRadius(0.1), 1);
    EXPECT_EQ(BlurBoxRadius(10), 10);
}

// ---- CropSel

TEST(CropSel, RectangleGivesTheBoxExactly)
{
    const Picture p = Ramp({20, 20});
    const Selection s = RectSelection({20, 20}, {3, 4, 9, 7});
    const Picture out = CropSel(p, SelectedArea(s, {}), colors::White);
    ASSERT_EQ(out.GetSize(), (Size{6, 3}));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(out.GetPixel({x, y}), p.GetPixel({x + 3, y + 4}));
}

TEST(CropSel, OutsideAnEllipseTakesTheBackgroundAndSoftPixelsMix)
{
    const Picture p({20, 20}, colors::Black);
    Selection ellipse;
    ellipse.SelectEllipse({20, 20}, {0, 0, 20, 20}, 255);
    const Picture out = CropSel(p, SelectedArea(ellipse, {}), kRgb(0, 0, 200));
    ASSERT_EQ(out.GetSize(), (Size{20, 20}));
    EXPECT_EQ(out.GetPixel({0, 0}), kRgb(0, 0, 200));
    EXPECT_EQ(out.GetPixel({10, 10}), colors::Black);

    const Selection soft = RectSelection({20, 20}, {0, 0, 2, 2}, 128);
    const Picture mixed = CropSel(Picture({20, 20}, colors::White), SelectedArea(soft, {}), colors::Black);
    EXPECT_EQ(mixed.GetPixel({1, 1}), kRgb(128, 128, 128));
}

TEST(CropSel, WithoutSelectionCopiesAllAndAlphaIsCut)
{
    Picture p = Ramp({5, 5});
    p.SetAlpha({2, 2}, 7);
    EXPECT_EQ(CropSel(p, {}, colors::White), p);
    const Selection s = RectSelection({5, 5}, {2, 2, 4, 4});
    const Picture out = CropSel(p, SelectedArea(s, {}), colors::White);
    ASSERT_TRUE(out.HasAlpha());
    EXPECT_EQ(out.GetAlpha({0, 0}), 7);
    EXPECT_EQ(out.GetAlpha({1, 1}), 255);
    // A selection that misses a layer lying elsewhere gives nothing.
    EXPECT_TRUE(CropSel(p, SelectedArea(s, {100, 100}), colors::White).IsEmpty());
}

// ---- MakeTile

TEST(MakeTile, RepeatsThePictureAcrossAndDown)
{
    Picture tile({2, 1});
    tile.SetPixel({0, 0}, colors::Red);
    tile.SetPixel({1, 0}, colors::Yellow);
    tile.SetAlpha({1, 0}, 9);
    const Picture out = MakeTile(tile, 3, 2);
    ASSERT_EQ(out.GetSize(), (Size{6, 2}));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(out.GetPixel({x, y}), x % 2 == 0 ? colors::Red : colors::Yellow);
            EXPECT_EQ(out.GetAlpha({x, y}), x % 2 == 0 ? 255 : 9);
        }
    EXPECT_EQ(MakeTile(tile, 1, 1), tile);
}

TEST(MakeTile, RefusesBadCountsAndOversizedResults)
{
    const Picture tile({3, 3});
    EXPECT_THROW(MakeTile(tile, 0, 1), GfxError);
    EXPECT_THROW(MakeTile(tile, 1, -1), GfxError);
    EXPECT_THROW(MakeTile(tile, 1 << 30, 1), GfxError);
    EXPECT_TRUE(MakeTile(Picture(), 2, 2).IsEmpty());
}

// ---- MaskedCopy

TEST(MaskedCopy, CopiesThroughTheMaskOnlyWhereBothPicturesLie)
{
    Picture dst({10, 10}, colors::White);
    const Picture src({6, 6}, colors::Black);
    Selection s;
    s.SelectRect({10, 10}, {4, 0, 10, 10}, 255);
    MaskedCopy(dst, src, SelectedArea(s, {}));
    EXPECT_EQ(dst.GetPixel({5, 5}), colors::Black);
    EXPECT_EQ(dst.GetPixel({3, 5}), colors::White); // not selected
    EXPECT_EQ(dst.GetPixel({7, 5}), colors::White); // beyond the source
    EXPECT_EQ(CountDifferent(dst, Picture({10, 10}, colors::White)), 2 * 6);

    Picture soft({2, 2}, colors::White);
    const Selection half = RectSelection({2, 2}, {0, 0, 2, 2}, 128);
    MaskedCopy(soft, Picture({2, 2}, colors::Black), SelectedArea(half, {}));
    EXPECT_EQ(soft.GetPixel({0, 0}), kRgb(127, 127, 127));
}

// ---- KeyedDraw

TEST(KeyedDraw, LeavesTheKeyColourOutAndClips)
{
    Picture src({3, 3}, colors::Red);
    src.SetPixel({1, 1}, colors::Yellow);
    EXPECT_EQ(AutoTransparentColor(src), colors::Red); // the lower-left pixel
    Picture dst({4, 4}, colors::White);
    KeyedDraw(dst, {-1, 2}, src, colors::Red);
    EXPECT_EQ(dst.GetPixel({0, 3}), colors::Yellow);
    EXPECT_EQ(CountDifferent(dst, Picture({4, 4}, colors::White)), 1);

    Picture plain({4, 4}, colors::White);
    KeyedDraw(plain, {1, 1}, src, colors::Black);
    EXPECT_EQ(plain.GetPixel({3, 3}), colors::Red);
    EXPECT_EQ(plain.GetPixel({2, 2}), colors::Yellow);
    EXPECT_EQ(plain.GetPixel({0, 0}), colors::White);
}

// ---- the effects of the effects window

TEST(Effects, ContrastSpreadsFromMiddleGreyOrFlattens)
{
    struct Case {
        int amount;
        Color in, out;
    };
    const std::vector<Case> cases = {
        {0, kRgb(100, 150, 200), kRgb(100, 150, 200)},
        {100, kRgb(100, 150, 200), kRgb(0, 255, 255)},
        {-100, kRgb(100, 150, 200), kRgb(128, 128, 128)},
        {-50, kRgb(0, 128, 255), kRgb(64, 128, 192)},
        {500, kRgb(127, 129, 0), kRgb(0, 255, 0)}, // beyond 100 counts as 100
    };
    for (const Case& c : cases) {
        Picture p({1, 1}, c.in);
        Contrast(p, c.amount);
        EXPECT_EQ(p.GetPixel({0, 0}), c.out) << c.amount;
    }
}

TEST(Effects, GammaBendsMidTonesAndKeepsTheEnds)
{
    Picture p({3, 1});
    p.SetPixel({0, 0}, colors::Black);
    p.SetPixel({1, 0}, kRgb(64, 128, 192));
    p.SetPixel({2, 0}, colors::White);
    Picture lighter = p;
    GammaCorrect(lighter, 2.0);
    EXPECT_EQ(lighter.GetPixel({0, 0}), colors::Black);
    EXPECT_EQ(lighter.GetPixel({2, 0}), colors::White);
    EXPECT_GT(lighter.GetPixel({1, 0}).R(), 64);
    Picture same = p;
    GammaCorrect(same, 0);
    GammaCorrect(same, -1);
    GammaCorrect(same, 1.0);
    EXPECT_EQ(same, p);
}

TEST(Effects, SharpenRaisesEdgeContrastOnly)
{
    Picture p({20, 5}, kRgb(100, 100, 100));
    for (int y = 0; y < 5; ++y)
        for (int x = 10; x < 20; ++x) p.SetPixel({x, y}, kRgb(150, 150, 150));
    Picture sharp = p;
    Sharpen(sharp, 10);
    EXPECT_LT(sharp.GetPixel({9, 2}).R(), 100);
    EXPECT_GT(sharp.GetPixel({10, 2}).R(), 150);
    EXPECT_EQ(sharp.GetPixel({2, 2}), kRgb(100, 100, 100));
    Picture none = p;
    Sharpen(none, 0);
    EXPECT_EQ(none, p);
}
