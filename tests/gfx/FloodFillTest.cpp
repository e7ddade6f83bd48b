#include "gfx/FloodFill.h"
#include "gfx/Painter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ix::gfx;

namespace {

// '.' white, '#' black, '+' a white that is one step off, 'o' red.
Picture FromText(const std::vector<std::string>& rows)
{
    Picture p({static_cast<int>(rows[0].size()), static_cast<int>(rows.size())});
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            const char ch = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            p.SetPixel({x, y}, ch == '#' ? colors::Black : ch == '+' ? Color::FromRgb(255, 255, 254)
                                          : ch == 'o' ? colors::Red : colors::White);
        }
    return p;
}

std::vector<std::string> Text(const Picture& p)
{
    std::vector<std::string> rows;
    for (int y = 0; y < p.Height(); ++y) {
        std::string row;
        for (int x = 0; x < p.Width(); ++x) {
            const Color c = p.GetPixel({x, y});
            row += c == colors::Black ? '#' : c == colors::Red ? 'o' : c == colors::White ? '.' : '+';
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(FloodFill, FillsTheFourConnectedAreaOfTheExactColour)
{
    struct Case {
        const char* name;
        std::vector<std::string> picture;
        Point seed;
        std::vector<std::string> expected;
        std::int64_t count;
    } cases[] = {
        {"inside a frame, a near colour stays",
         {"......", ".####.", ".#..#.", ".#.+#.", ".####.", "......"}, {2, 2},
         {"......", ".####.", ".#oo#.", ".#o+#.", ".####.", "......"}, 3},
        {"diagonal neighbours do not connect",
         {"..#...", "..#...", "###...", "...###", "...#..", "...#.."}, {0, 0},
         {"oo#...", "oo#...", "###...", "...###", "...#..", "...#.."}, 4},
        {"a U shape fills around its bend",
         {".#.#.", ".#.#.", ".#.#.", ".....", "#####"}, {0, 0},
         {"o#o#o", "o#o#o", "o#o#o", "ooooo", "#####"}, 14},
        {"the border colour is the area when clicked",
         {"......", ".####.", ".#..#.", ".####."}, {1, 1},
         {"......", ".oooo.", ".o..o.", ".oooo."}, 10},
    };
    for (const auto& c : cases) {
        Picture p = FromText(c.picture);
        EXPECT_EQ(FloodFill(p, c.seed, colors::Red), c.count) << c.name;
        EXPECT_EQ(Text(p), c.expected) << c.name;
        // The span search finds the same area without changing the picture.
        Picture q = FromText(c.picture);
        const Picture before = q;
        std::int64_t reported = 0;
        const std::int64_t n = ForEachFillSpan(q, c.seed, PaintPlane::Color, [&](int, int x0, int x1) { reported += x1 - x0; });
        EXPECT_EQ(n, c.count);
        EXPECT_EQ(reported, c.count);
        EXPECT_EQ(q, before);
    }
}

TEST(FloodFill, NothingToDo)
{
    Picture p({4, 4}, colors::Red);
    const Picture before = p;
    EXPECT_EQ(FloodFill(p, {1, 1}, colors::Red), 0);  // already that colour
    EXPECT_EQ(FloodFill(p, {-1, 1}, colors::Black), 0); // outside
    EXPECT_EQ(FloodFill(p, {4, 0}, colors::Black), 0);
    EXPECT_EQ(p, before);
}

TEST(FloodFill, PainterFillsWithItsBrush)
{
    Picture p = FromText({"########", "#......#", "#......#", "#......#", "########"});
    Painter painter(p);
    painter.brush = {colors::Red, BrushStyle::Vertical};
    painter.FloodFill({3, 2});
    EXPECT_EQ(Text(p), (std::vector<std::string>{"########", "#......#", "#......#", "#......#", "########"}))
        << "vertical hatch lines at x = 0 and 8 miss this interior";
    painter.brush.style = BrushStyle::Cross;
    painter.FloodFill({3, 2});
    // Hatch rows at y = 0 fall outside the area; the line at x = 0 is the frame.
    EXPECT_EQ(Text(p)[1], "#......#");
    painter.brush.style = BrushStyle::Solid;
    painter.pen.mode = PenMode::NotXor;
    painter.brush.color = colors::Black; // ~(white ^ black) = black
    painter.FloodFill({3, 2});
    EXPECT_EQ(Text(p)[2], "########");
}

TEST(FloodFill, AlphaPlaneAreas)
{
    Picture p({5, 1}, colors::White);
    p.EnsureAlpha(10);
    p.SetAlpha({2, 0}, 20);
    Painter a(p, PaintPlane::Alpha);
    a.brush = {Color::FromRgb(99, 99, 99), BrushStyle::Solid};
    a.FloodFill({0, 0});
    EXPECT_EQ(p.GetAlpha({1, 0}), 99);
    EXPECT_EQ(p.GetAlpha({2, 0}), 20);
    EXPECT_EQ(p.GetAlpha({3, 0}), 10);
}

TEST(FloodFill, HugeUniformAreaNeedsNoDeepStack)
{
    // 20000 × 20000 pixels, kept in the 1-bit format so the test stays small in memory.
    Picture p({20000, 20000}, colors::White, PixelFormat::BlackWhite1);
    std::int64_t spans = 0;
    const std::int64_t n = ForEachFillSpan(p, {12345, 17}, PaintPlane::Color, [&](int, int, int) { ++spans; });
    EXPECT_EQ(n, std::int64_t{20000} * 20000);
    EXPECT_EQ(spans, 20000);
}

TEST(FloodFill, SerpentineAreaOfManyRuns)
{
    // A one-pixel-wide snake through walls: every row is its own run, reached in order.
    const int size = 301;
    Picture p({size, size}, colors::White);
    for (int y = 1; y < size; y += 2)
        for (int x = 0; x < size; ++x)
            if (!((y / 2) % 2 == 0 ? x == size - 1 : x == 0)) p.SetPixel({x, y}, colors::Black);
    const std::int64_t n = FloodFill(p, {0, 0}, colors::Red);
    EXPECT_EQ(n, std::int64_t{151} * size + 150);
    EXPECT_EQ(p.GetPixel({0, size - 1}), colors::Red);
}
