#include "gfx/GfxError.h"
#include "gfx/Picture.h"

#include <gtest/gtest.h>

using namespace ix::gfx;

TEST(Picture, NewPictureIsFilledAndOpaque)
{
    Picture p({4, 3}, Color::FromRgb(10, 20, 30));
    EXPECT_EQ(p.GetSize(), (Size{4, 3}));
    EXPECT_FALSE(p.HasAlpha());
    EXPECT_EQ(p.GetPixel({3, 2}), Color::FromRgb(10, 20, 30));
    EXPECT_EQ(p.BgrRow(0)[0], (Bgr{30, 20, 10}));
    EXPECT_EQ(p.GetAlpha({0, 0}), 255);
}

TEST(Picture, OutsideAccessIsIgnored)
{
    Picture p({2, 2}, colors::White);
    p.SetPixel({-1, 0}, colors::Black);
    p.SetPixel({2, 0}, colors::Black);
    EXPECT_EQ(p.GetPixel({5, 5}), colors::Black);
    EXPECT_EQ(p.GetPixel({0, 0}), colors::White);
}

TEST(Picture, RefusedSizesThrowBeforeAllocating)
{
    const Size cases[] = {{-1, 5}, {5, -1}, {Picture::kMaxSide + 1, 1}, {Picture::kMaxSide, Picture::kMaxSide}};
    for (Size s : cases) EXPECT_THROW(Picture p(s), GfxError) << s.width << "x" << s.height;
}

TEST(Picture, ResizeKeepsTopLeftAndMakesNewAreaOpaque)
{
    Picture p({2, 2}, colors::Red);
    p.EnsureAlpha(0);
    p.Resize({3, 3}, colors::White);
    EXPECT_EQ(p.GetPixel({1, 1}), colors::Red);
    EXPECT_EQ(p.GetPixel({2, 2}), colors::White);
    EXPECT_EQ(p.GetAlpha({1, 1}), 0);
    EXPECT_EQ(p.GetAlpha({2, 0}), 255);
    Picture unchanged = p;
    EXPECT_THROW(p.Resize({-3, 3}), GfxError);
    EXPECT_EQ(p, unchanged);
}

TEST(Picture, BlackWhiteRoundTrip)
{
    Picture p({9, 2}, colors::Black);
    p.SetPixel({8, 1}, colors::White);
    p.ConvertTo(PixelFormat::BlackWhite1);
    EXPECT_EQ(p.Stride(), 2u);
    EXPECT_EQ(p.GetPixel({8, 1}), colors::White);
    EXPECT_EQ(p.GetPixel({7, 1}), colors::Black);
    p.ConvertTo(PixelFormat::Bgr24);
    EXPECT_EQ(p.GetPixel({8, 1}), colors::White);
    EXPECT_EQ(p.GetPixel({0, 0}), colors::Black);
}
