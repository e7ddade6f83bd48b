// Tests of the processing operations: flip, reflection, hidden text, TEA cipher, colour
// count, negative, Sobel, isolated pixels and noise removal.
#include "gfx/ops/ColorCount.h"
#include "gfx/ops/Flip.h"
#include "gfx/ops/HiddenText.h"
#include "gfx/ops/IsolatedPixels.h"
#include "gfx/ops/Negative.h"
#include "gfx/ops/Reflection.h"
#include "gfx/ops/RemoveNoise.h"
#include "gfx/ops/Sobel.h"
#include "gfx/ops/TeaCipher.h"

#include <gtest/gtest.h>

#include <string>

namespace ix::gfx {
namespace {

Picture Gradient(int w, int h)
{
    Picture p(Size{w, h});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.SetPixel({x, y}, Color::FromRgb(x * 7 + y, y * 13, (x * y) & 255));
    return p;
}

TEST(ProcFlip, HorizontalReversesRowsAndTwiceRestores)
{
    Picture p = Gradient(5, 3);
    p.SetAlpha({0, 1}, 10);
    const Picture original = p;
    Flip(p, FlipDirection::Horizontal);
    EXPECT_EQ(p.GetPixel({4, 2}), original.GetPixel({0, 2}));
    EXPECT_EQ(p.GetAlpha({4, 1}), 10);
    Flip(p, FlipDirection::Horizontal);
    EXPECT_EQ(p, original);
}

TEST(ProcFlip, VerticalReversesRowOrderAlsoInBlackWhite)
{
    Picture p(Size{11, 3}, colors::Black, PixelFormat::BlackWhite1);
    p.SetPixel({1, 0}, colors::White);
    p.SetPixel({10, 2}, colors::White);
    Picture v = p;
    Flip(v, FlipDirection::Vertical);
    EXPECT_EQ(v.GetPixel({1, 2}), colors::White);
    EXPECT_EQ(v.GetPixel({10, 0}), colors::White);
    EXPECT_EQ(v.GetPixel({1, 0}), colors::Black);
    Flip(p, FlipDirection::Horizontal);
    EXPECT_EQ(p.GetPixel({9, 0}), colors::White);
    EXPECT_EQ(p.GetPixel({0, 2}), colors::White);
    EXPECT_EQ(p.GetPixel({1, 0}), colors::Black);
}

TEST(ProcReflection, DoublesHeightMirrorsAndFades)
{
    Picture p = Gradient(3, 4);
    const Picture original = p;
    Reflection(p, 0, 200);
    ASSERT_EQ(p.GetSize(), (Size{3, 8}));
    EXPECT_EQ(p.GetPixel({1, 2}), original.GetPixel({1, 2}));
    EXPECT_EQ(p.GetAlpha({1, 2}), 255);
    EXPECT_EQ(p.GetPixel({1, 4}), original.GetPixel({1, 3})); // first mirrored row
    EXPECT_EQ(p.GetPixel({1, 7}), original.GetPixel({1, 0}));
    EXPECT_EQ(p.GetAlpha({0, 4}), 200); // 255 × 4/4 limited to 200
    EXPECT_EQ(p.GetAlpha({0, 5}), 191); // 255 × 3/4 = 191.25
    EXPECT_EQ(p.GetAlpha({0, 7}), 64);  // 255 × 1/4 = 63.75
}

TEST(ProcReflection, MinimumRaisesFadedRows)
{
    Picture p = Gradient(2, 10);
    Reflection(p, 100, 200);
    EXPECT_EQ(p.GetAlpha({0, 19}), 100);
    Picture t = Gradient(2, 2);
    t.EnsureAlpha(0);
    Reflection(t, 0, 200);
    EXPECT_EQ(t.GetAlpha({0, 2}), 0);
}

TEST(ProcHiddenText, RoundTripAndExactCarrierBits)
{
    Picture p = Gradient(20, 10);
    const std::string text = "Hello, \xcf\xf0\xe8\xe2\xe5\xf2";
    WriteHiddenText(p, text);
    EXPECT_EQ(ReadHiddenText(p), text);
    // Byte 4 of the stream is the low length byte: its bits go to carrier bytes 32..39.
    int length = 0;
    for (int bit = 0; bit < 8; ++bit) length |= (p.Row(0)[32 + bit] & 1) << bit;
    EXPECT_EQ(length, static_cast<int>(text.size()));
}

TEST(ProcHiddenText, StoringBitsRules)
{
    Picture p(Size{30, 1}, Color::FromRgb(255, 255, 255));
    WriteHiddenText(p, ""); // all header bits 0: 255 becomes 254
    EXPECT_EQ(p.Row(0)[0], 254);
    Picture q(Size{30, 1}, Color::FromRgb(0, 0, 0));
    WriteHiddenText(q, std::string(1, '\x01'));
    EXPECT_EQ(q.Row(0)[64], 1); // first text bit 1 stored by adding one
    EXPECT_EQ(q.Row(0)[65], 0);
}

TEST(ProcHiddenText, FreshTooSmallOrCutPictures)
{
    EXPECT_EQ(ReadHiddenText(Picture(Size{40, 40})), ""); // white: header bytes not zero
    EXPECT_EQ(ReadHiddenText(Picture(Size{40, 40}, colors::Black)), ""); // length 0
    EXPECT_EQ(ReadHiddenText(Picture()), "");
    Picture tiny(Size{2, 2}, colors::Black);
    WriteHiddenText(tiny, "long text"); // 12 carrier bytes: header cut off
    EXPECT_EQ(ReadHiddenText(tiny), "");
    Picture small(Size{10, 10}, colors::Black); // 300 carrier bytes: 8 header + 29 text bytes
    const std::string longText(100, 'a');
    WriteHiddenText(small, longText);
    EXPECT_EQ(ReadHiddenText(small), std::string(29, 'a')); // length 100 < 300 accepted, text cut off
}

TEST(ProcTea, KnownVectorAndInverse)
{
    const TeaKey zero{0, 0, 0, 0};
    std::uint32_t v[2] = {0, 0};
    TeaEncipher(v, zero);
    EXPECT_EQ(v[0], 0x41EA3A0Au);
    EXPECT_EQ(v[1], 0x94BAA940u);
    TeaDecipher(v, zero);
    EXPECT_EQ(v[0], 0u);
    EXPECT_EQ(v[1], 0u);
}

TEST(ProcTea, PictureRoundTripWithTailAndWrongPassword)
{
    for (Size s : {Size{7, 5}, Size{1, 1}, Size{8, 8}}) {
        Picture p = Gradient(s.width, s.height);
        const Picture original = p;
        Encrypt(p, "secret");
        EXPECT_NE(p, original) << s.width;
        Picture wrong = p;
        Decrypt(wrong, "Secret");
        EXPECT_NE(wrong, original);
        Decrypt(p, "secret");
        EXPECT_EQ(p, original);
    }
    EXPECT_NE(TeaKeyFromPassword("a"), TeaKeyFromPassword("b"));
}

TEST(ProcColorCount, DistinctColoursAreaAndFormats)
{
    Picture p(Size{4, 4}, colors::White);
    p.SetPixel({0, 0}, colors::Black);
    p.SetPixel({3, 3}, Color::FromRgb(1, 2, 3));
    p.SetPixel({3, 2}, Color::FromRgb(1, 2, 3));
    EXPECT_EQ(CountColors(p, p.Bounds()), 3);
    EXPECT_EQ(CountColors(p, Rect{1, 1, 3, 3}), 1);
    EXPECT_EQ(CountColors(p, Rect{-100, -100, 1, 1}), 2 - 1);
    EXPECT_EQ(CountColors(p, Rect{10, 10, 20, 20}), 0);
    EXPECT_EQ(CountColors(Picture(Size{3, 3}, colors::Black, PixelFormat::BlackWhite1), Rect{0, 0, 3, 3}), 2);
}

TEST(ProcNegative, InvertsInsideAreaBothFormats)
{
    Picture p(Size{3, 1}, Color::FromRgb(10, 20, 30));
    Negative(p, Rect{1, 0, 2, 1});
    EXPECT_EQ(p.GetPixel({1, 0}), Color::FromRgb(245, 235, 225));
    EXPECT_EQ(p.GetPixel({0, 0}), Color::FromRgb(10, 20, 30));
    Picture b(Size{9, 1}, colors::Black, PixelFormat::BlackWhite1);
    Negative(b);
    EXPECT_EQ(b.GetPixel({8, 0}), colors::White);
}

TEST(ProcSobel, FlatIsBlackStepIsBright)
{
    Picture flat(Size{5, 5}, Color::FromRgb(90, 90, 90));
    Sobel(flat);
    EXPECT_EQ(flat.GetPixel({2, 2}), colors::Black);
    Picture step(Size{6, 3}, colors::Black);
    for (int y = 0; y < 3; ++y)
        for (int x = 3; x < 6; ++x) step.SetPixel({x, y}, colors::White);
    Sobel(step);
    EXPECT_EQ(step.GetPixel({2, 1}), colors::White);
    EXPECT_EQ(step.GetPixel({0, 1}), colors::Black);
}

TEST(ProcIsolatedPixels, RemovesSmallGroupsOnly)
{
    Picture p(Size{10, 10}, colors::White);
    p.SetPixel({1, 1}, colors::Black); // group of 1
    for (int x = 5; x < 9; ++x) p.SetPixel({x, 5}, colors::Black); // group of 4
    Picture zero = p;
    RemoveIsolatedPixels(zero, 0, 0, zero.Bounds());
    EXPECT_EQ(zero.Format(), PixelFormat::BlackWhite1);
    EXPECT_EQ(zero.GetPixel({1, 1}), colors::Black);
    RemoveIsolatedPixels(p, 0, 3, p.Bounds());
    EXPECT_EQ(p.GetPixel({1, 1}), colors::White);
    EXPECT_EQ(p.GetPixel({6, 5}), colors::Black);
    RemoveIsolatedPixels(p, 0, 4, Rect{0, 0, 10, 10});
    EXPECT_EQ(p.GetPixel({6, 5}), colors::White);
}

TEST(ProcRemoveNoise, SpecksAndHolesAndInvert)
{
    Picture p(Size{9, 9}, colors::White);
    p.SetPixel({1, 1}, colors::Black);
    for (int y = 4; y < 7; ++y)
        for (int x = 4; x < 7; ++x) p.SetPixel({x, y}, colors::Black);
    p.SetPixel({5, 5}, colors::White); // a pin hole
    Picture inverted = p;
    RemoveNoise(p, 1, false, p.Bounds());
    EXPECT_EQ(p.GetPixel({1, 1}), colors::White);
    EXPECT_EQ(p.GetPixel({5, 5}), colors::Black);
    EXPECT_EQ(p.GetPixel({4, 4}), colors::Black);
    RemoveNoise(inverted, 1000000000, true, inverted.Bounds()); // white is foreground now
    EXPECT_EQ(inverted.GetPixel({5, 5}), colors::Black);
}

} // namespace
} // namespace ix::gfx
