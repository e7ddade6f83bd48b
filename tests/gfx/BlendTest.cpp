#include "gfx/Blend.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace ix::gfx;

namespace {

Bgr Grey(int v) { return Bgr{std::uint8_t(v), std::uint8_t(v), std::uint8_t(v)}; }

struct SeparableCase {
    BlendOp op;
    int atHighOverMid; // f(200, 100)
    int atLowOverHigh; // f(50, 180)
};

// Expected values worked out from the formulas in docs/blend-operations.md.
const SeparableCase kSeparable[] = {
    {BlendOp::Normal, 200, 50},       {BlendOp::Add, 255, 230},           {BlendOp::Sub, 0, 130},
    {BlendOp::Div, 127, 255},         {BlendOp::Mul, 78, 35},             {BlendOp::Or, 236, 182},
    {BlendOp::And, 64, 48},           {BlendOp::Xor, 172, 134},           {BlendOp::Max, 200, 180},
    {BlendOp::Min, 100, 50},          {BlendOp::Average, 150, 115},       {BlendOp::Screen, 222, 195},
    {BlendOp::Negation, 210, 230},    {BlendOp::Exclusion, 144, 160},     {BlendOp::Overlay, 157, 134},
    {BlendOp::HardLight, 188, 71},    {BlendOp::SoftLight, 134, 148},     {BlendOp::XFader, 178, 155},
    {BlendOp::ColorEdge, 255, 223},   {BlendOp::ColorBurn, 58, 0},        {BlendOp::InverseColorDodge, 255, 170},
    {BlendOp::InverseColorBurn, 115, 0}, {BlendOp::SoftDodge, 185, 112},  {BlendOp::SoftBurn, 156, 85},
    {BlendOp::Reflect, 181, 158},     {BlendOp::Glow, 255, 33},           {BlendOp::Freeze, 135, 143},
    {BlendOp::Eat, 225, 22},          {BlendOp::Subtractive, 45, 0},      {BlendOp::Interpolation, 157, 115},
    {BlendOp::Stamp, 244, 24},
};

struct PixelCase {
    BlendOp op;
    Bgr src;
    Bgr dst;
    Bgr expected;
};

const PixelCase kPixel[] = {
    {BlendOp::Red, {10, 20, 30}, {40, 50, 60}, {40, 50, 30}},
    {BlendOp::Green, {10, 20, 30}, {40, 50, 60}, {40, 20, 60}},
    {BlendOp::Blue, {10, 20, 30}, {40, 50, 60}, {10, 50, 60}},
    // A grey source has no hue: the result is the destination's luminance as grey.
    {BlendOp::Hue, {0, 0, 255}, {100, 100, 100}, {100, 100, 100}},
    // Pure blue's hue at the saturation (200) and luminance (119) of RGB(200, 100, 0).
    {BlendOp::Hue, {255, 0, 0}, {0, 100, 200}, {255, 102, 102}},
    {BlendOp::Saturation, {128, 128, 128}, {0, 100, 200}, {119, 119, 119}},
    {BlendOp::Color, {0, 0, 255}, {100, 100, 100}, {34, 34, 255}},
    {BlendOp::Luminosity, {200, 200, 200}, {100, 100, 100}, {200, 200, 200}},
    {BlendOp::Luminosity, {0, 0, 0}, {0, 100, 200}, {0, 0, 0}},
};

} // namespace

TEST(Blend, SeparableFormulas)
{
    ASSERT_EQ(std::size(kSeparable) + 7, static_cast<std::size_t>(kBlendOpCount));
    for (const auto& c : kSeparable) {
        EXPECT_EQ(BlendColor(c.op, Grey(200), Grey(100)), Grey(c.atHighOverMid)) << kBlendOpNames[int(c.op)];
        EXPECT_EQ(BlendColor(c.op, Grey(50), Grey(180)), Grey(c.atLowOverHigh)) << kBlendOpNames[int(c.op)];
    }
}

TEST(Blend, ChannelAndColourModelFormulas)
{
    for (const auto& c : kPixel) {
        const Bgr r = BlendColor(c.op, c.src, c.dst);
        EXPECT_EQ(r, c.expected) << kBlendOpNames[int(c.op)] << " got " << int(r.b) << "," << int(r.g) << "," << int(r.r);
    }
}

TEST(Blend, CoverageLimitsForEveryOperation)
{
    const Bgr pairs[][2] = {{{200, 10, 90}, {30, 250, 128}}, {{0, 0, 0}, {255, 255, 255}}, {{255, 255, 255}, {0, 0, 0}}};
    for (int n = 0; n < kBlendOpCount; ++n) {
        const auto op = static_cast<BlendOp>(n);
        for (const auto& p : pairs) {
            const Bgr f = BlendColor(op, p[0], p[1]);
            EXPECT_EQ(BlendPixel(op, p[0], 255, p[1], 0), p[1]) << kBlendOpNames[n] << ": transparency 0";
            EXPECT_EQ(BlendPixel(op, p[0], 0, p[1], 255), p[1]) << kBlendOpNames[n] << ": alpha 0";
            EXPECT_EQ(BlendPixel(op, p[0], 255, p[1], 255), f) << kBlendOpNames[n] << ": opaque";
            EXPECT_EQ(BlendPixel(op, p[0], 255, p[1], -40), p[1]) << kBlendOpNames[n] << ": negative clamps to 0";
            EXPECT_EQ(BlendPixel(op, p[0], 255, p[1], 1000), f) << kBlendOpNames[n] << ": large clamps to 255";
        }
    }
}

TEST(Blend, PartialCoverageMixesLinearly)
{
    // 100 + (200 − 100) · 128 / 255 = 150.2
    EXPECT_EQ(BlendPixel(BlendOp::Normal, Grey(200), 128, Grey(100), 255), Grey(150));
    EXPECT_EQ(BlendPixel(BlendOp::Normal, Grey(200), 255, Grey(100), 128), Grey(150));
    // Alpha and transparency multiply: 255 · 128/255 · 128/255 ≈ 64 → 100 + 100·64/255 ≈ 125.
    EXPECT_EQ(BlendPixel(BlendOp::Normal, Grey(200), 128, Grey(100), 128), Grey(125));
    // Mul of 200 over 100 is 78; at half coverage 100 + (78 − 100)·128/255 ≈ 89.
    EXPECT_EQ(BlendPixel(BlendOp::Mul, Grey(200), 128, Grey(100), 255), Grey(89));
}

TEST(Blend, RowMatchesPixelAcrossChunks)
{
    std::mt19937 rng(7);
    const int n = 700; // more than one internal chunk
    std::vector<Bgr> src(n), dst(n);
    std::vector<std::uint8_t> alpha(n);
    for (int i = 0; i < n; ++i) {
        src[i] = {std::uint8_t(rng()), std::uint8_t(rng()), std::uint8_t(rng())};
        dst[i] = {std::uint8_t(rng()), std::uint8_t(rng()), std::uint8_t(rng())};
        alpha[i] = std::uint8_t(rng());
    }
    for (int op = 0; op < kBlendOpCount; ++op) {
        for (int t : {255, 77}) {
            for (bool withAlpha : {false, true}) {
                std::vector<Bgr> row = dst;
                BlendRow(static_cast<BlendOp>(op), src.data(), withAlpha ? alpha.data() : nullptr, row.data(), n, t);
                for (int i = 0; i < n; ++i) {
                    const Bgr expected = BlendPixel(static_cast<BlendOp>(op), src[i], withAlpha ? alpha[i] : 255, dst[i], t);
                    ASSERT_EQ(row[i], expected) << kBlendOpNames[op] << " t=" << t << " alpha=" << withAlpha << " i=" << i;
                }
            }
        }
    }
}

TEST(Blend, UnknownOperationActsAsNormal)
{
    EXPECT_EQ(BlendColor(static_cast<BlendOp>(99), Grey(1), Grey(2)), Grey(1));
    EXPECT_EQ(BlendColor(static_cast<BlendOp>(-1), Grey(1), Grey(2)), Grey(1));
}

TEST(BlendOpNames, NumbersAndNames)
{
    EXPECT_EQ(BlendOpByName("Normal"), BlendOp::Normal);
    EXPECT_EQ(BlendOpByName("Eat"), BlendOp::Eat);
    EXPECT_EQ(static_cast<int>(*BlendOpByName("Luminosity")), 37);
    EXPECT_EQ(BlendOpByName("normal"), std::nullopt);
    EXPECT_EQ(BlendOpFromNumber(38), BlendOp::Normal);
    EXPECT_EQ(BlendOpFromNumber(-1), BlendOp::Normal);
    EXPECT_EQ(BlendOpFromNumber(27), BlendOp::Eat);
}
