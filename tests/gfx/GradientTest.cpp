#include "gfx/GfxError.h"
#include "gfx/GradientBox.h"

#include <gtest/gtest.h>

using namespace ix::gfx;

namespace {
const Color kBegin = Color::FromRgb(250, 10, 0);
const Color kEnd = Color::FromRgb(0, 200, 100);
} // namespace

TEST(Gradient, EveryStyleShowsItsBeginAndEndColours)
{
    struct Case {
        GradientStyle style;
        Point begin;
        Point end;
    } cases[] = {
        {GradientStyle::Custom, {0, 5}, {20, 5}},       {GradientStyle::RadialC, {10, 5}, {0, 0}},
        {GradientStyle::RadialT, {10, 0}, {0, 10}},     {GradientStyle::RadialB, {10, 10}, {20, 0}},
        {GradientStyle::RadialL, {0, 5}, {20, 0}},      {GradientStyle::RadialR, {20, 5}, {0, 10}},
        {GradientStyle::RadialTL, {0, 0}, {20, 10}},    {GradientStyle::RadialTR, {20, 0}, {0, 10}},
        {GradientStyle::RadialBL, {0, 10}, {20, 0}},    {GradientStyle::RadialBR, {20, 10}, {0, 0}},
        {GradientStyle::LinearH, {0, 3}, {20, 3}},      {GradientStyle::LinearV, {4, 0}, {4, 10}},
        {GradientStyle::ReflectedH, {20, 2}, {10, 2}},  {GradientStyle::ReflectedV, {3, 10}, {3, 5}},
        {GradientStyle::DiagonalLF, {0, 0}, {20, 10}},  {GradientStyle::DiagonalLB, {0, 10}, {20, 0}},
        {GradientStyle::DiagonalRF, {20, 0}, {0, 10}},  {GradientStyle::DiagonalRB, {20, 10}, {0, 0}},
        {GradientStyle::ArrowL, {0, 5}, {20, 0}},       {GradientStyle::ArrowR, {20, 5}, {0, 10}},
        {GradientStyle::ArrowU, {10, 0}, {0, 10}},      {GradientStyle::ArrowD, {10, 10}, {20, 0}},
        {GradientStyle::Diamond, {10, 5}, {20, 10}},    {GradientStyle::Butterfly, {10, 0}, {0, 5}},
        {GradientStyle::RadialRect, {10, 5}, {7, 0}},
    };
    ASSERT_EQ(std::size(cases), static_cast<std::size_t>(kGradientStyleCount));
    for (const auto& c : cases) {
        const Picture p = RenderGradient({21, 11}, kBegin, kEnd, c.style);
        const auto name = kGradientStyleNames[static_cast<std::size_t>(c.style)];
        EXPECT_EQ(p.GetPixel(c.begin), kBegin) << name;
        EXPECT_EQ(p.GetPixel(c.end), kEnd) << name;
        // Somewhere in between, neither colour.
        int between = 0;
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 21; ++x) between += p.GetPixel({x, y}) != kBegin && p.GetPixel({x, y}) != kEnd;
        EXPECT_GT(between, 50) << name;
    }
}

TEST(Gradient, LinearMidpointIsTheMeanColour)
{
    const Picture p = RenderGradient({3, 1}, colors::Black, colors::White, GradientStyle::LinearH);
    EXPECT_EQ(p.GetPixel({1, 0}), Color::FromRgb(128, 128, 128));
    const Picture one = RenderGradient({1, 1}, colors::Black, colors::White, GradientStyle::RadialTL);
    EXPECT_EQ(one.GetSize(), (Size{1, 1}));
}

TEST(Gradient, StyleNames)
{
    EXPECT_EQ(GradientStyleByName("Custom"), GradientStyle::Custom);
    EXPECT_EQ(static_cast<int>(*GradientStyleByName("RadialRect")), 24);
    EXPECT_EQ(static_cast<int>(*GradientStyleByName("ArrowU")), 20);
    EXPECT_EQ(GradientStyleByName("linearh"), std::nullopt);
}

TEST(GradientBox, RerendersOnEveryChangeAndHandsOutCopies)
{
    GradientBox box;
    EXPECT_TRUE(box.Image().IsEmpty());
    box.SetBeginColor(kBegin);
    box.SetEndColor(kEnd);
    box.SetStyle(GradientStyle::LinearV);
    box.SetHeight(4);
    box.SetWidth(4);
    EXPECT_EQ(box.Image().GetSize(), (Size{4, 4}));
    EXPECT_EQ(box.Image().GetPixel({0, 3}), kEnd);
    box.SetSize({80, 80});
    EXPECT_EQ(box.Image(), RenderGradient({80, 80}, kBegin, kEnd, GradientStyle::LinearV));
    Picture copy = box.CopyImage();
    copy.Fill(colors::Black);
    EXPECT_EQ(box.Image().GetPixel({0, 0}), kBegin);
    EXPECT_THROW(box.SetSize({-1, 3}), GfxError);
    EXPECT_EQ(box.Width(), 80);
    EXPECT_EQ(box.Image().GetSize(), (Size{80, 80}));
}
