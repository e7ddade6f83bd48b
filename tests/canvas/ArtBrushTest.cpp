#include "FilterTestSupport.h"

#include "canvas/ArtBrush.h"
#include "canvas/StrokeRegion.h"
#include "canvas/filters/BlurFilter.h"

#include <gtest/gtest.h>

using namespace ix::canvas;
using namespace ix::canvas::test;
using ix::gfx::Bgr;
using ix::gfx::Color;
using ix::gfx::Picture;
using ix::gfx::Point;
using ix::gfx::Rect;

namespace {

// A picture whose every pixel differs: level (x · 7 + y · 13) mod 256 on all three bytes.
Picture Ramp(int w, int h)
{
    Levels rows(static_cast<std::size_t>(h), std::vector<int>(static_cast<std::size_t>(w)));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) rows[y][x] = (x * 7 + y * 13) % 256;
    return GreyPicture(rows);
}

Picture Cut(const Picture& p, const Rect& r)
{
    Picture out(r.GetSize());
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) out.SetPixel({x, y}, p.GetPixel({r.left + x, r.top + y}));
    return out;
}

// Every pixel outside `inside` is the same in both pictures.
bool SameOutside(const Picture& a, const Picture& b, const Rect& inside)
{
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!inside.Contains({x, y}) && a.GetPixel({x, y}) != b.GetPixel({x, y})) return false;
    return true;
}

TEST(StrokeRegion, ClippedToThePictureAndFarOutsideTest)
{
    struct Case {
        Point at;
        std::int64_t size;
        Rect rect;
        bool usable;
    };
    const Case cases[] = {
        {{50, 40}, 10, {40, 30, 60, 50}, true},
        {{0, 0}, 10, {0, 0, 10, 10}, true},        // a corner: 10 × 10 at (0, 0)
        {{99, 79}, 10, {89, 69, 100, 80}, true},
        {{-5, 40}, 10, {0, 30, 5, 50}, false},     // 5 wide, less than S
        {{-10, 40}, 10, {0, 30, 0, 50}, false},
        {{-200, -200}, 10, {0, 0, -190, -190}, false},
        {{50, 40}, 0, {50, 40, 50, 40}, true},
        {{50, 40}, 3000000000LL, {0, 0, 100, 80}, false}, // larger than the picture
    };
    for (const auto& c : cases) {
        const auto r = StrokeRegionAt({100, 80}, c.at, c.size);
        EXPECT_EQ(r.Usable(c.size), c.usable) << c.at.x << "," << c.at.y;
        EXPECT_EQ((Rect{static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
                        static_cast<int>(r.bottom)}),
                  c.rect)
            << c.at.x << "," << c.at.y;
    }
}

TEST(ArtBrushKindOf, ExactCodesOnly)
{
    EXPECT_EQ(ArtBrushKindOf("BRUSH_BLUR"), ArtBrushKind::Blur);
    EXPECT_EQ(ArtBrushKindOf("BRUSH_SATE"), ArtBrushKind::Sate);
    EXPECT_EQ(ArtBrushKindOf("BRUSH_GRADIENT"), ArtBrushKind::Gradient);
    EXPECT_EQ(ArtBrushKindOf("brush_blur"), std::nullopt);
    EXPECT_EQ(ArtBrushKindOf("BRUSHTRANSPARENT"), std::nullopt);
    EXPECT_EQ(ArtBrushKindOf(""), std::nullopt);
}

TEST(ArtBrush, GlowAtACornerWorksOnTheClippedSquareOnly)
{
    Picture p = GreyPicture(Levels(30, std::vector<int>(30, 0)));
    p.SetPixel({5, 5}, Color::FromRgb(255, 255, 255));
    p.EnsureAlpha(77);
    const Picture before = p;
    ArtBrushStroke stroke;
    const Rect changed = ArtBrushPress(stroke, ArtBrushKind::Glow, p, {0, 0}, {10, 100}, {});
    EXPECT_EQ(changed, (Rect{0, 0, 10, 10}));
    EXPECT_EQ(p.GetPixel({0, 0}), Color::FromRgb(200, 200, 200)); // a = 200: 0 becomes 200
    EXPECT_EQ(p.GetPixel({9, 9}), Color::FromRgb(200, 200, 200));
    EXPECT_EQ(p.GetPixel({5, 5}), Color::FromRgb(255, 255, 255)); // 255 stays
    EXPECT_EQ(p.GetPixel({10, 0}), Color::FromRgb(0, 0, 0));
    EXPECT_TRUE(SameOutside(p, before, changed));
    EXPECT_EQ(p.GetAlpha({3, 3}), 77) << "the alpha plane is not the brush's";
    ASSERT_TRUE(stroke.strokeBitmap.has_value());
    EXPECT_EQ(stroke.strokeBitmap->GetSize(), (ix::gfx::Size{10, 10}));
}

TEST(ArtBrush, PressFarOutsideDrawsNothingButKeepsTheStroke)
{
    Picture p = Ramp(20, 20);
    const Picture before = p;
    ArtBrushStroke stroke;
    EXPECT_TRUE(ArtBrushPress(stroke, ArtBrushKind::Dark, p, {-50, 5}, {4, 50}, {}).IsEmpty());
    EXPECT_EQ(p, before);
    EXPECT_TRUE(stroke.strokeBitmap.has_value());
    // A later move inside the picture works normally.
    EXPECT_EQ(ArtBrushMove(stroke, ArtBrushKind::Dark, p, {10, 10}, {4, 50}, {}), (Rect{6, 6, 14, 14}));
    EXPECT_NE(p, before);
    ArtBrushRelease(stroke);
    EXPECT_FALSE(stroke.strokeBitmap.has_value());
}

TEST(ArtBrush, FlowPressureSetsTheBlockSize)
{
    for (std::int64_t pressure : {2, 3}) {
        Picture p = Ramp(40, 40);
        const Picture before = p;
        ArtBrushStroke stroke;
        ArtBrushPress(stroke, ArtBrushKind::Flow, p, {20, 20}, {10, pressure}, {});
        EXPECT_EQ(p, before) << "pressure " << pressure << " gives blocks of 1";
    }
    Picture p = Ramp(40, 40);
    const Picture before = p;
    ArtBrushStroke stroke;
    ArtBrushPress(stroke, ArtBrushKind::Flow, p, {20, 20}, {10, 20}, {});
    // Region (10,10)-(30,30) in 10 × 10 blocks starting at its corner.
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 30; ++x)
            ASSERT_EQ(p.GetPixel({x, y}), before.GetPixel({x < 20 ? 10 : 20, y < 20 ? 10 : 20})) << x << "," << y;
}

TEST(ArtBrush, SaturationPressureHundredGreysAndZeroKeeps)
{
    Picture p({8, 8}, Color::FromRgb(200, 100, 30));
    ArtBrushStroke stroke;
    ArtBrushPress(stroke, ArtBrushKind::Sate, p, {4, 4}, {2, 100}, {});
    EXPECT_EQ(p.GetPixel({3, 3}), Color::FromRgb(110, 110, 110));
    EXPECT_EQ(p.GetPixel({1, 1}), Color::FromRgb(200, 100, 30));
    ArtBrushPress(stroke, ArtBrushKind::Sate, p, {1, 1}, {1, 0}, {});
    EXPECT_EQ(p.GetPixel({1, 1}), Color::FromRgb(200, 100, 30));
}

TEST(ArtBrush, BlurWithPressureZeroMakesOnePass)
{
    Picture p = Ramp(30, 30);
    Picture expected = Cut(p, {10, 10, 20, 20});
    DiagonalAveragePass(expected, 3);
    ArtBrushStroke stroke;
    ArtBrushPress(stroke, ArtBrushKind::Blur, p, {15, 15}, {5, 0}, {});
    EXPECT_EQ(Cut(p, {10, 10, 20, 20}), expected);
}

TEST(ArtBrush, EyeStampsTheLensImageAndAMoveAfterAFailedPressMakesItsOwn)
{
    Picture p = Ramp(30, 30);
    ArtBrushStroke stroke;
    ArtBrushPress(stroke, ArtBrushKind::Eye, p, {-40, -40}, {5, 30}, {});
    EXPECT_FALSE(stroke.eyeBitmap.has_value());
    const Picture region = Cut(p, {10, 10, 20, 20});
    ArtBrushMove(stroke, ArtBrushKind::Eye, p, {15, 15}, {5, 30}, {});
    ASSERT_TRUE(stroke.eyeBitmap.has_value());
    EXPECT_EQ(stroke.eyeBitmap->GetSize(), (ix::gfx::Size{10, 10}));
    EXPECT_EQ(Cut(p, {10, 10, 20, 20}), *stroke.eyeBitmap);
    EXPECT_NE(Cut(p, {10, 10, 20, 20}), region);
    ArtBrushRelease(stroke);
    EXPECT_FALSE(stroke.eyeBitmap.has_value());
}

// A gradient component stand-in: a ramp of the requested size, counting renderings.
struct FakeGradient {
    int renders = 0;
    std::int64_t lastWidth = -1, lastHeight = -1;
    GradientSource Source()
    {
        return [this](std::int64_t w, std::int64_t h) {
            ++renders;
            lastWidth = w;
            lastHeight = h;
            Picture g({static_cast<int>(std::max<std::int64_t>(w, 0)), static_cast<int>(std::max<std::int64_t>(h, 0))});
            for (int y = 0; y < g.Height(); ++y)
                for (int x = 0; x < g.Width(); ++x) g.SetPixel({x, y}, Color::FromRgb(x * 10, y * 10, 99));
            return g;
        };
    }
};

TEST(ArtBrush, GradientStampsRepeatTheImageOfThePress)
{
    Picture p({60, 60}, ix::gfx::colors::White);
    FakeGradient g;
    ArtBrushStroke stroke;
    ArtBrushPress(stroke, ArtBrushKind::Gradient, p, {20, 20}, {5, 0}, g.Source());
    EXPECT_EQ(g.renders, 1);
    EXPECT_EQ(g.lastWidth, 10);
    const Picture first = Cut(p, {15, 15, 25, 25});
    EXPECT_EQ(first.GetPixel({3, 4}), Color::FromRgb(30, 40, 99));

    ArtBrushMove(stroke, ArtBrushKind::Gradient, p, {40, 30}, {5, 0}, g.Source());
    EXPECT_EQ(g.renders, 1) << "a move renders no new gradient";
    EXPECT_EQ(Cut(p, {35, 25, 45, 35}), first);

    // At the picture's corner the stamp is cut; the stamps after it are whole again.
    ArtBrushMove(stroke, ArtBrushKind::Gradient, p, {56, 56}, {4, 0}, g.Source());
    EXPECT_EQ(Cut(p, {52, 52, 60, 60}), Cut(first, {0, 0, 8, 8}));
    ArtBrushMove(stroke, ArtBrushKind::Gradient, p, {30, 45}, {5, 0}, g.Source());
    EXPECT_EQ(Cut(p, {25, 40, 35, 50}), first);
    ArtBrushRelease(stroke);
    EXPECT_FALSE(stroke.gradientBitmap.has_value());
}

TEST(ArtBrush, GradientPressFarOutsideSizesTheComponentAndRendersAtTheFirstStamp)
{
    Picture p({40, 40}, ix::gfx::colors::White);
    FakeGradient g;
    ArtBrushStroke stroke;
    EXPECT_TRUE(ArtBrushPress(stroke, ArtBrushKind::Gradient, p, {-100, 20}, {5, 0}, g.Source()).IsEmpty());
    EXPECT_EQ(g.lastWidth, -95); // the region's width, which the component takes as 0
    EXPECT_EQ(p, Picture({40, 40}, ix::gfx::colors::White));
    ArtBrushMove(stroke, ArtBrushKind::Gradient, p, {20, 20}, {5, 0}, g.Source());
    EXPECT_EQ(g.renders, 2);
    EXPECT_EQ(p.GetPixel({15, 15}), Color::FromRgb(0, 0, 99));
    EXPECT_EQ(p.GetPixel({24, 24}), Color::FromRgb(90, 90, 99));
}

} // namespace
