#include "gfx/Compose.h"
#include "gfx/GfxError.h"
#include "gfx/LayerStack.h"

#include <gtest/gtest.h>

using namespace ix::gfx;

namespace {

int CountColour(const Picture& p, Color c)
{
    int n = 0;
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) n += p.GetPixel({x, y}) == c;
    return n;
}

Picture Quadrants()
{
    Picture p({2, 2}, colors::Black);
    p.SetPixel({1, 0}, colors::Red);
    p.SetPixel({0, 1}, colors::Yellow);
    p.SetPixel({1, 1}, colors::White);
    return p;
}

} // namespace

TEST(DrawPicture, ClipsToTheDestination)
{
    struct Case {
        Rect dest;
        int expectedRed;
    } cases[] = {
        {{-2, -2, 2, 2}, 4}, {{3, 3, 7, 7}, 1}, {{4, 0, 8, 4}, 0}, {{-10, -10, -6, -6}, 0}, {{0, 0, 4, 4}, 16},
    };
    for (const auto& c : cases) {
        Picture dst({4, 4}, colors::White);
        DrawPicture(dst, c.dest, Picture({4, 4}, colors::Red));
        EXPECT_EQ(CountColour(dst, colors::Red), c.expectedRed) << c.dest.left << "," << c.dest.top;
        EXPECT_EQ(CountColour(dst, colors::White), 16 - c.expectedRed);
    }
}

TEST(DrawPicture, NoneFilterScalesByNearestPixel)
{
    Picture dst({4, 4}, colors::Gray);
    DrawPicture(dst, {0, 0, 4, 4}, Quadrants());
    EXPECT_EQ(dst.GetPixel({0, 0}), colors::Black);
    EXPECT_EQ(dst.GetPixel({1, 1}), colors::Black);
    EXPECT_EQ(dst.GetPixel({3, 0}), colors::Red);
    EXPECT_EQ(dst.GetPixel({2, 1}), colors::Red);
    EXPECT_EQ(dst.GetPixel({0, 3}), colors::Yellow);
    EXPECT_EQ(dst.GetPixel({3, 3}), colors::White);
}

TEST(DrawPicture, FastLinearOfAFlatPictureStaysFlat)
{
    Picture dst({10, 10}, colors::White);
    Picture src({4, 4}, Color::FromRgb(10, 200, 30));
    DrawPicture(dst, {1, 1, 9, 9}, src, {ResampleFilter::rfFastLinear, 255, BlendOp::Normal});
    EXPECT_EQ(CountColour(dst, Color::FromRgb(10, 200, 30)), 64);
}

TEST(DrawPicture, TransparencyAndAlphaAreCoverage)
{
    Picture src({1, 1}, Color::FromRgb(200, 200, 200));
    struct Case {
        int transparency;
        int alpha; // -1: no alpha plane
        int expected;
    } cases[] = {{255, -1, 200}, {0, -1, 100}, {-5, -1, 100}, {999, -1, 200}, {255, 0, 100}, {128, -1, 150}, {255, 128, 150}};
    for (const auto& c : cases) {
        Picture s = src;
        if (c.alpha >= 0) s.EnsureAlpha(static_cast<std::uint8_t>(c.alpha));
        Picture dst({1, 1}, Color::FromRgb(100, 100, 100));
        DrawPicture(dst, {0, 0, 1, 1}, s, {ResampleFilter::rfNone, c.transparency, BlendOp::Normal});
        EXPECT_EQ(dst.GetPixel({0, 0}).R(), c.expected) << c.transparency << "/" << c.alpha;
    }
}

TEST(DrawPicture, OverATransparentDestinationTakesTheSource)
{
    Picture dst({2, 1}, colors::White);
    dst.EnsureAlpha(0);
    dst.SetAlpha({1, 0}, 255);
    Picture src({2, 1}, colors::Red);
    src.EnsureAlpha(128);
    DrawPicture(dst, {0, 0, 2, 1}, src, {ResampleFilter::rfNone, 255, BlendOp::Mul});
    // Where nothing was, the source shows as it is (the operation needs a backdrop).
    EXPECT_EQ(dst.GetPixel({0, 0}), colors::Red);
    EXPECT_EQ(dst.GetAlpha({0, 0}), 128);
    // Over opaque white, Mul at half coverage: white towards red.
    EXPECT_EQ(dst.GetPixel({1, 0}), Color::FromRgb(255, 127, 127));
    EXPECT_EQ(dst.GetAlpha({1, 0}), 255);
}

TEST(DrawPicture, BlackWhiteDestinationIsAnError)
{
    Picture dst({8, 1}, colors::White, PixelFormat::BlackWhite1);
    EXPECT_THROW(DrawPicture(dst, {0, 0, 1, 1}, Picture({1, 1})), GfxError);
}

TEST(MergeAlphaRect, KeepsTheLargerAlphaInsideTheClippedRectangle)
{
    Picture dst({4, 4}, colors::White);
    dst.EnsureAlpha(100);
    Picture brush({2, 2}, colors::Black);
    brush.EnsureAlpha(0);
    brush.SetAlpha({0, 0}, 50);
    brush.SetAlpha({1, 0}, 200);
    brush.SetAlpha({1, 1}, 255);
    MergeAlphaRect(dst, {3, 3}, brush); // only the brush's top-left reaches the picture
    EXPECT_EQ(dst.GetAlpha({3, 3}), 100);
    MergeAlphaRect(dst, {-1, 0}, brush); // the brush's right column lands on x = 0
    EXPECT_EQ(dst.GetAlpha({0, 0}), 200);
    EXPECT_EQ(dst.GetAlpha({0, 1}), 255);
    EXPECT_EQ(dst.GetAlpha({1, 0}), 100);
    MergeAlphaRect(dst, {2, 0}, Picture({1, 1})); // a brush without alpha is opaque
    EXPECT_EQ(dst.GetAlpha({2, 0}), 255);
    EXPECT_EQ(dst.GetAlpha({2, 1}), 100);
}

TEST(ComposeLayers, DrawsVisibleLayersOverTheBackground)
{
    LayerStack stack;
    stack.Reset(Picture({4, 4}, colors::White));
    Layer red;
    red.picture = Picture({2, 2}, colors::Red);
    red.posX = 3;
    red.posY = -1;
    stack.Add(red);
    Layer hidden;
    hidden.picture = Picture({4, 4}, colors::Black);
    hidden.visible = false;
    stack.Add(hidden);

    EXPECT_EQ(LayersExtent(stack), (Rect{0, -1, 5, 4}));
    const Picture all = ComposeAll(stack, colors::Fuchsia);
    ASSERT_EQ(all.GetSize(), (Size{5, 5}));
    EXPECT_FALSE(all.HasAlpha());
    EXPECT_EQ(CountColour(all, colors::Red), 4);
    EXPECT_EQ(CountColour(all, colors::White), 16 - 1);
    EXPECT_EQ(CountColour(all, colors::Fuchsia), 25 - 4 - 15);
    EXPECT_EQ(all.GetPixel({3, 0}), colors::Red);    // layer-0 pixel (3, -1)
    EXPECT_EQ(all.GetPixel({0, 0}), colors::Fuchsia); // above layer 0
}

TEST(ComposeLayers, DisplaySizeScalesTheLayer)
{
    LayerStack stack;
    stack.Reset(Picture({8, 8}, colors::White));
    Layer small;
    small.picture = Picture({2, 2}, colors::Red);
    small.displayWidth = 4;
    small.displayHeight = 6;
    stack.Add(small);
    const Picture all = ComposeLayers(stack, {0, 0, 8, 8}, colors::Black);
    EXPECT_EQ(CountColour(all, colors::Red), 24);
}
