#include "gfx/Painter.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace ix::gfx;

namespace {

// Pictures as text: '.' white, '#' black (pen), 'o' red (brush), '?' anything else.
std::vector<std::string> Text(const Picture& p)
{
    std::vector<std::string> rows;
    for (int y = 0; y < p.Height(); ++y) {
        std::string row;
        for (int x = 0; x < p.Width(); ++x) {
            const Color c = p.GetPixel({x, y});
            row += c == colors::White ? '.' : c == colors::Black ? '#' : c == colors::Red ? 'o' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

Painter Canvas(Picture& p, int width = 1, BrushStyle brush = BrushStyle::Solid)
{
    Painter painter(p);
    painter.pen = {colors::Black, width, PenStyle::Solid, PenMode::Copy};
    painter.brush = {colors::Red, brush};
    return painter;
}

Picture Noise(Size size, unsigned seed)
{
    std::mt19937 rng(seed);
    Picture p(size);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) p.BgrRow(y)[x] = {std::uint8_t(rng()), std::uint8_t(rng()), std::uint8_t(rng())};
    return p;
}

int Count(const Picture& p, Color c)
{
    int n = 0;
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) n += p.GetPixel({x, y}) == c;
    return n;
}

} // namespace

TEST(Painter, FiguresCoverTheExpectedPixels)
{
    struct Case {
        const char* name;
        Size size;
        int penWidth;
        BrushStyle brush;
        void (*draw)(Painter&);
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"rectangle", {7, 5}, 1, BrushStyle::Solid, [](Painter& p) { p.Rectangle({1, 1, 5, 4}); },
         {".......", ".####..", ".#oo#..", ".####..", "......."}},
        {"rectangle, corners swapped", {7, 5}, 1, BrushStyle::Solid, [](Painter& p) { p.Rectangle({5, 4, 1, 1}); },
         {".......", ".####..", ".#oo#..", ".####..", "......."}},
        {"rectangle, clear brush", {6, 5}, 1, BrushStyle::Clear, [](Painter& p) { p.Rectangle({0, 0, 5, 5}); },
         {"#####.", "#...#.", "#...#.", "#...#.", "#####."}},
        {"rectangle, pen 3", {9, 9}, 3, BrushStyle::Solid, [](Painter& p) { p.Rectangle({2, 2, 7, 7}); },
         {".........", ".#######.", ".#######.", ".#######.", ".###o###.", ".#######.", ".#######.", ".#######.",
          "........."}},
        {"rectangle, pen 2", {8, 8}, 2, BrushStyle::Solid, [](Painter& p) { p.Rectangle({1, 1, 7, 7}); },
         {"........", ".######.", ".######.", ".##oo##.", ".##oo##.", ".######.", ".######.", "........"}},
        {"empty rectangle", {4, 4}, 1, BrushStyle::Solid, [](Painter& p) { p.Rectangle({1, 1, 1, 3}); },
         {"....", "....", "....", "...."}},
        {"ellipse", {5, 5}, 1, BrushStyle::Solid, [](Painter& p) { p.Ellipse({0, 0, 5, 5}); },
         {".###.", "#ooo#", "#ooo#", "#ooo#", ".###."}},
        {"line, end excluded", {6, 4}, 1, BrushStyle::Solid,
         [](Painter& p) {
             p.MoveTo({0, 0});
             p.LineTo({4, 2});
         },
         {"#.....", ".##...", "...#..", "......"}},
        {"line, backwards", {6, 4}, 1, BrushStyle::Solid,
         [](Painter& p) {
             p.MoveTo({4, 3});
             p.LineTo({4, 0});
         },
         {"......", "....#.", "....#.", "....#."}},
        {"line of length 0", {3, 3}, 1, BrushStyle::Solid,
         [](Painter& p) {
             p.MoveTo({1, 1});
             p.LineTo({1, 1});
         },
         {"...", "...", "..."}},
        {"wide line 3", {9, 6}, 3, BrushStyle::Solid,
         [](Painter& p) {
             p.MoveTo({2, 3});
             p.LineTo({6, 3});
         },
         {".........", ".........", ".#######.", ".#######.", ".#######.", "........."}},
        {"wide line 2", {8, 5}, 2, BrushStyle::Solid,
         [](Painter& p) {
             p.MoveTo({2, 3});
             p.LineTo({6, 3});
         },
         {"........", "........", ".######.", ".######.", "........"}},
        {"clipped at the edges", {4, 3}, 1, BrushStyle::Solid, [](Painter& p) { p.Rectangle({-2, 1, 3, 9}); },
         {"....", "###.", "oo#."}},
    };
    for (const Case& c : cases) {
        Picture pic(c.size, colors::White);
        Painter painter = Canvas(pic, c.penWidth, c.brush);
        c.draw(painter);
        EXPECT_EQ(Text(pic), c.expected) << c.name;
    }
}

TEST(Painter, LineToMovesThePosition)
{
    Picture pic({5, 3}, colors::White);
    Painter p = Canvas(pic);
    p.MoveTo({0, 1});
    p.LineTo({2, 1});
    EXPECT_EQ(p.Position(), (Point{2, 1}));
    p.LineTo({4, 1});
    EXPECT_EQ(Text(pic)[1], "####.");
}

TEST(Painter, PenStylesAlongALine)
{
    struct Case {
        PenStyle style;
        const char* first24; // the pattern's one period
        int drawnOf48;
    } cases[] = {
        {PenStyle::Solid, "########################", 48},
        {PenStyle::Dash, "##################......", 36},
        {PenStyle::Dot, "###...###...###...###...", 24},
        {PenStyle::DashDot, "#########......###......", 24},
        {PenStyle::DashDotDot, "#########...###...###...", 30},
    };
    for (const auto& c : cases) {
        Picture pic({48, 1}, colors::White);
        Painter p = Canvas(pic);
        p.pen.style = c.style;
        p.MoveTo({0, 0});
        p.LineTo({48, 0});
        EXPECT_EQ(Text(pic)[0].substr(0, 24), c.first24);
        EXPECT_EQ(Count(pic, colors::Black), c.drawnOf48);
        // A wider pen draws solid whatever its style.
        Picture wide({48, 5}, colors::White);
        Painter w = Canvas(wide, 3);
        w.pen.style = c.style;
        w.MoveTo({2, 2});
        w.LineTo({45, 2});
        EXPECT_EQ(Text(wide)[2].substr(2, 44), std::string(44, '#'));
    }
}

TEST(Painter, DashedOutlinesFollowTheFigure)
{
    Picture pic({30, 10}, colors::White);
    Painter p = Canvas(pic, 1, BrushStyle::Clear);
    p.pen.style = PenStyle::DashDotDot;
    p.Rectangle({0, 0, 30, 10});
    EXPECT_EQ(Text(pic)[0], "#########...###...###...######");
    // The right edge continues the pattern from the top-right corner (step 29 on).
    EXPECT_EQ(pic.GetPixel({29, 1}), colors::Black);   // step 30: a dash
    EXPECT_EQ(pic.GetPixel({29, 4}), colors::White);   // step 33: a gap
    Picture round({40, 40}, colors::White);
    Painter e = Canvas(round, 1, BrushStyle::Clear);
    e.pen.style = PenStyle::Dot;
    e.Ellipse({0, 0, 40, 40});
    Picture solid({40, 40}, colors::White);
    Canvas(solid, 1, BrushStyle::Clear).Ellipse({0, 0, 40, 40});
    const int dotted = Count(round, colors::Black), full = Count(solid, colors::Black);
    EXPECT_GT(dotted, full / 3);
    EXPECT_LT(dotted, 2 * full / 3);
}

TEST(Painter, BrushStyles)
{
    struct Case {
        BrushStyle style;
        int covered; // of 16 × 16
        Point on;
        Point off;
    } cases[] = {
        {BrushStyle::Solid, 256, {5, 5}, {-1, -1}},      {BrushStyle::Clear, 0, {-1, -1}, {0, 0}},
        {BrushStyle::Horizontal, 32, {5, 8}, {5, 7}},    {BrushStyle::Vertical, 32, {8, 5}, {7, 5}},
        {BrushStyle::FDiagonal, 32, {3, 3}, {3, 4}},     {BrushStyle::BDiagonal, 32, {7, 1}, {1, 1}},
        {BrushStyle::Cross, 60, {0, 5}, {1, 1}},         {BrushStyle::DiagCross, 56, {6, 2}, {1, 2}},
    };
    for (const auto& c : cases) {
        Picture pic({16, 16}, colors::White);
        Painter p = Canvas(pic, 1, c.style);
        p.FillRect({0, 0, 16, 16});
        EXPECT_EQ(Count(pic, colors::Red), c.covered) << kBrushStyleNames[int(c.style)];
        EXPECT_EQ(Count(pic, colors::White), 256 - c.covered);
        if (c.on.x >= 0) {
            EXPECT_EQ(pic.GetPixel(c.on), colors::Red) << kBrushStyleNames[int(c.style)];
        }
        if (c.off.x >= 0) {
            EXPECT_EQ(pic.GetPixel(c.off), colors::White) << kBrushStyleNames[int(c.style)];
        }
    }
    EXPECT_EQ(BrushStyleByName("DiagCross"), BrushStyle::DiagCross);
    EXPECT_EQ(BrushStyleByName("solid"), std::nullopt);
    EXPECT_EQ(PenStyleByName("DashDotDot"), PenStyle::DashDotDot);
}

TEST(Painter, NotXorTwiceRestoresThePicture)
{
    struct Figure {
        const char* name;
        int width;
        PenStyle pen;
        BrushStyle brush;
        void (*draw)(Painter&);
    } figures[] = {
        {"rectangle", 1, PenStyle::Solid, BrushStyle::Solid, [](Painter& p) { p.Rectangle({3, 4, 30, 20}); }},
        {"rectangle wide hatched", 5, PenStyle::Solid, BrushStyle::DiagCross, [](Painter& p) { p.Rectangle({30, 20, 3, 4}); }},
        {"rectangle dashed", 1, PenStyle::DashDot, BrushStyle::Cross, [](Painter& p) { p.Rectangle({-5, 2, 25, 33}); }},
        {"ellipse", 1, PenStyle::Solid, BrushStyle::Solid, [](Painter& p) { p.Ellipse({2, 2, 37, 21}); }},
        {"ellipse wide", 6, PenStyle::Solid, BrushStyle::Horizontal, [](Painter& p) { p.Ellipse({-9, 1, 30, 45}); }},
        {"ellipse dotted", 1, PenStyle::Dot, BrushStyle::Clear, [](Painter& p) { p.Ellipse({1, 1, 39, 29}); }},
        {"line", 1, PenStyle::Solid, BrushStyle::Solid,
         [](Painter& p) {
             p.MoveTo({0, 29});
             p.LineTo({39, 3});
         }},
        {"line wide", 7, PenStyle::Solid, BrushStyle::Solid,
         [](Painter& p) {
             p.MoveTo({5, 5});
             p.LineTo({33, 24});
         }},
        {"line dashed", 1, PenStyle::Dash, BrushStyle::Solid,
         [](Painter& p) {
             p.MoveTo({39, 0});
             p.LineTo({0, 29});
         }},
        {"fill", 1, PenStyle::Solid, BrushStyle::BDiagonal, [](Painter& p) { p.FillRect({-3, -3, 50, 50}); }},
    };
    const Picture original = Noise({40, 30}, 11);
    for (const auto& f : figures) {
        for (PaintPlane plane : {PaintPlane::Color, PaintPlane::Alpha}) {
            Picture pic = original;
            pic.EnsureAlpha(200);
            const Picture before = pic;
            Painter p(pic, plane);
            p.pen = {Color::FromRgb(40, 90, 200), f.width, f.pen, PenMode::NotXor};
            p.brush = {Color::FromRgb(250, 3, 77), f.brush};
            f.draw(p);
            EXPECT_NE(pic, before) << f.name;
            f.draw(p);
            EXPECT_EQ(pic, before) << f.name << (plane == PaintPlane::Alpha ? " on alpha" : "");
        }
    }
}

TEST(Painter, NotXorOfBlackOnWhiteDrawsBlack)
{
    Picture a({8, 8}, colors::White), b({8, 8}, colors::White);
    Painter pa = Canvas(a, 1, BrushStyle::Clear), pb = Canvas(b, 1, BrushStyle::Clear);
    pb.pen.mode = PenMode::NotXor;
    pa.Rectangle({1, 1, 7, 7});
    pb.Rectangle({1, 1, 7, 7});
    EXPECT_EQ(a, b);
}

TEST(Painter, PixelsOutsideAreIgnored)
{
    Picture pic({3, 3}, colors::White);
    Painter p = Canvas(pic);
    p.SetPixel({1, 1}, colors::Red);
    p.SetPixel({-1, 0}, colors::Red);
    p.SetPixel({3, 3}, colors::Red);
    EXPECT_EQ(p.Pixel({1, 1}), colors::Red);
    EXPECT_EQ(p.Pixel({7, 7}), colors::Black);
    EXPECT_EQ(Count(pic, colors::Red), 1);
}

TEST(Painter, AlphaPlaneTakesGreyLevels)
{
    Picture pic({6, 6}, colors::Red);
    Painter a(pic, PaintPlane::Alpha);
    ASSERT_TRUE(pic.HasAlpha());
    a.pen.color = Color::FromRgb(100, 100, 100);
    a.brush = {Color::FromRgb(30, 30, 30), BrushStyle::Solid};
    a.FillRect({0, 0, 6, 6});
    a.Rectangle({1, 1, 5, 5});
    EXPECT_EQ(pic.GetAlpha({0, 0}), 30);
    EXPECT_EQ(pic.GetAlpha({1, 1}), 100);
    EXPECT_EQ(pic.GetAlpha({2, 2}), 30);
    EXPECT_EQ(a.Pixel({1, 1}), Color::FromRgb(100, 100, 100));
    EXPECT_EQ(Count(pic, colors::Red), 36); // colours untouched
}

TEST(Painter, StretchDrawAveragesWhenReducing)
{
    Picture src({4, 2}, colors::Black);
    for (int y = 0; y < 2; ++y) {
        src.SetPixel({1, y}, colors::White);
        src.SetPixel({3, y}, colors::White);
    }
    Picture dst({4, 4}, colors::Red);
    Painter p(dst);
    p.StretchDraw({1, 1, 3, 2}, src);
    EXPECT_EQ(dst.GetPixel({1, 1}), Color::FromRgb(128, 128, 128));
    EXPECT_EQ(dst.GetPixel({2, 1}), Color::FromRgb(128, 128, 128));
    EXPECT_EQ(Count(dst, colors::Red), 14);
    // Enlarging repeats pixels, also far beyond the picture.
    Picture big({4, 4}, colors::Red);
    Painter q(big);
    Picture two({2, 1}, colors::Black);
    two.SetPixel({1, 0}, colors::White);
    q.StretchDraw({0, 0, 4, 100000}, two);
    EXPECT_EQ(Text(big)[3], "##..");
}

TEST(Painter, DrawTransparentSkipsTheLowerLeftColour)
{
    Picture src({3, 2}, colors::Red);
    src.SetPixel({1, 0}, colors::Black);
    src.SetPixel({2, 1}, colors::Black);
    Picture dst({4, 3}, colors::White);
    Painter(dst).DrawTransparent({1, 1}, src);
    EXPECT_EQ(Text(dst), (std::vector<std::string>{"....", "..#.", "...#"}));
    Picture plain({4, 3}, colors::White);
    Painter(plain).Draw({1, 1}, src);
    EXPECT_EQ(Text(plain), (std::vector<std::string>{"....", ".o#o", ".oo#"}));
}

TEST(Painter, CopyRectCopiesTheRegionOnly)
{
    Picture src({3, 3}, colors::Red);
    src.SetPixel({2, 2}, colors::Black);
    Picture dst({4, 4}, colors::White);
    Painter(dst).CopyRect({0, 0, 3, 3}, src, {1, 1, 4, 4}); // the source's last row and column are outside
    EXPECT_EQ(Text(dst), (std::vector<std::string>{"oo..", "o#..", "....", "...."}));
}

TEST(Painter, FarAwayCoordinatesCostNothing)
{
    Picture pic({10, 10}, colors::White);
    Painter p = Canvas(pic, 1, BrushStyle::Solid);
    p.MoveTo({-2000000000, -2000000000});
    p.LineTo({2000000000, 2000000000});
    EXPECT_EQ(pic.GetPixel({5, 5}), colors::Black);
    EXPECT_EQ(Count(pic, colors::Black), 10);
    p.pen.width = 1000000000;
    p.MoveTo({-2000000000, 5});
    p.LineTo({2000000000, 5});
    EXPECT_EQ(Count(pic, colors::Black), 100);
    p.Ellipse({-2000000000, -2000000000, 2000000000, 2000000000}); // the picture lies inside the interior
    EXPECT_EQ(Count(pic, colors::Red), 100);
    p.pen.width = 1;
    p.brush.color = colors::White;
    p.Rectangle({-2000000000, -2000000000, 2000000000, 2000000000});
    EXPECT_EQ(Count(pic, colors::White), 100);
}
