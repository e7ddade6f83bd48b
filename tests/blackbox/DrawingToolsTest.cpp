// The drawing tools end to end: tool actions, then mouse gestures on the canvas, then the
// rendered picture checked pixel by pixel.
#include "blackbox/ScriptHost.h"

#include <gtest/gtest.h>

namespace {

using ixtest::Rgb;
using ixtest::ScriptHost;

enum Id {
    kCreate = 1,
    kCreateFile = 3,
    kBackground = 5,
    kCoordinates = 16,
    kPen = 21,
    kBrush,
    kPixel,
    kPipette,
    kLine,
    kRectangle,
    kEllipse,
    kFloodFill,
    kAirbrush,
    kBrushSmear,
    kBrushFlow,
    kBrushSleek,
    kBrushEye,
    kBrushGlow,
    kBrushDark,
    kBrushSate,
    kBrushGR,
    kBrushTParent,
    kToolsCancel,
    kEraser,
};

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

class DrawingTools : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.AddRectangle("R", 300, 200);
        ASSERT_TRUE(host.Exec(kCreate, {"R"}));
        ASSERT_TRUE(host.Exec(kCreateFile, {"R", "100", "80", ""}));
        ASSERT_TRUE(host.Exec(kBackground, {"R", "0,0,255", "Solid"}));
    }
    void Stroke(std::vector<std::pair<int, int>> points, int button = IXH_BUTTON_LEFT)
    {
        host.Down("R", points.front().first, points.front().second, button);
        for (std::size_t i = 1; i < points.size(); ++i) host.Move("R", points[i].first, points[i].second);
        host.Up("R", points.back().first, points.back().second, button);
    }
    void Click(int x, int y) { Stroke({{x, y}}); }
    ScriptHost::Frame Frame() { return host.Render("R"); }
    int CountOf(const ScriptHost::Frame& f, Rgb c, int w = 100, int h = 80)
    {
        int n = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) n += f.At(x, y) == c;
        return n;
    }
    // Makes the whole picture one colour with the fill tool.
    void FillPicture(const std::string& colour)
    {
        ASSERT_TRUE(host.Exec(kFloodFill, {"R", colour, ""}));
        Click(50, 40);
    }
    ScriptHost host;
};

TEST_F(DrawingTools, PenDrawsTheLineOfTheGesture)
{
    ASSERT_TRUE(host.Exec(kPen, {"R", ""}));
    Stroke({{10, 10}, {20, 10}});
    const auto f = Frame();
    for (int x = 10; x < 20; ++x) EXPECT_EQ(f.At(x, 10), kBlack) << x;
    EXPECT_EQ(f.At(9, 10), kWhite);
    EXPECT_EQ(f.At(15, 11), kWhite) << "a 1-pixel pen";
    EXPECT_EQ(CountOf(f, kBlack), 10) << "the end point is not drawn, as on the raster canvas";
}

TEST_F(DrawingTools, PenColourAndBrushWidth)
{
    ASSERT_TRUE(host.Exec(kPen, {"R", "0,0,255"}));
    Stroke({{10, 10}, {30, 10}});
    EXPECT_EQ(Frame().At(15, 10), kBlue);
    ASSERT_TRUE(host.Exec(kBrush, {"R", "255,0,0", "not a number"})); // width 2
    Stroke({{10, 40}, {30, 40}});
    const auto f = Frame();
    EXPECT_EQ(f.At(20, 40), kRed);
    EXPECT_GT(CountOf(f, kRed), 20) << "wider than one pixel";
}

TEST_F(DrawingTools, RightButtonDrawsNothingAndStartsNoGesture)
{
    ASSERT_TRUE(host.Exec(kPen, {"R", ""}));
    const auto before = Frame();
    host.Down("R", 10, 10, IXH_BUTTON_RIGHT);
    host.Move("R", 40, 40);
    host.Up("R", 40, 40, IXH_BUTTON_RIGHT);
    host.Move("R", 60, 60);
    EXPECT_EQ(Frame(), before);
}

TEST_F(DrawingTools, LineShowsOnlyTheBandToThePointerThenTheFinalLine)
{
    ASSERT_TRUE(host.Exec(kLine, {"R", "", "Solid", "1"}));
    host.Down("R", 10, 30);
    host.Move("R", 60, 30);
    EXPECT_EQ(Frame().At(40, 30), kBlack) << "the band";
    host.Move("R", 60, 60);
    auto f = Frame();
    EXPECT_EQ(f.At(40, 30), kWhite) << "the previous band is gone";
    EXPECT_EQ(f.At(35, 45), kBlack) << "the band to the pointer";
    host.Up("R", 60, 60);
    f = Frame();
    EXPECT_EQ(f.At(35, 45), kBlack) << "the final line, in copy mode";
    EXPECT_EQ(f.At(40, 30), kWhite);
    EXPECT_EQ(f.At(10, 30), kBlack);
}

TEST_F(DrawingTools, LineKeywordsAndDashDotDot)
{
    ASSERT_TRUE(host.Exec(kLine, {"R", "", "DashDotDot", ""}));
    Stroke({{10, 20}, {90, 20}});
    EXPECT_EQ(CountOf(Frame(), kBlack), 80) << "DashDotDot is no line style: solid";
    ASSERT_TRUE(host.Exec(kLine, {"R", "", "Dot", ""}));
    Stroke({{10, 50}, {90, 50}});
    const int dotted = CountOf(Frame(), kBlack) - 80;
    EXPECT_GT(dotted, 0);
    EXPECT_LT(dotted, 80);
}

TEST_F(DrawingTools, RectangleClearAndSolid)
{
    ASSERT_TRUE(host.Exec(kRectangle, {"R", "1", "0,0,0", "", "Clear", ""}));
    Stroke({{10, 10}, {30, 25}, {40, 30}});
    auto f = Frame();
    EXPECT_EQ(f.At(10, 10), kBlack);
    EXPECT_EQ(f.At(39, 29), kBlack);
    EXPECT_EQ(f.At(25, 20), kWhite) << "only the outline";
    EXPECT_EQ(f.At(30, 25), kWhite) << "the band's corner was taken back";
    ASSERT_TRUE(host.Exec(kRectangle, {"R", "1", "0,0,0", "", "Solid", "255,0,0"}));
    Stroke({{50, 10}, {70, 30}});
    f = Frame();
    EXPECT_EQ(f.At(60, 20), kRed) << "filled";
    EXPECT_EQ(f.At(50, 10), kBlack);
    // A flood fill with an empty style resets the brush to solid.
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "0,0,255", ""}));
    Click(25, 20);
    EXPECT_EQ(Frame().At(25, 20), kBlue);
}

TEST_F(DrawingTools, EllipseIsFilledInside)
{
    ASSERT_TRUE(host.Exec(kEllipse, {"R", "1", "0,0,0", "Solid", "Solid", "255,0,0"}));
    Stroke({{10, 10}, {50, 50}});
    const auto f = Frame();
    EXPECT_EQ(f.At(30, 30), kRed);
    EXPECT_EQ(f.At(11, 11), kWhite) << "the corner of the box lies outside the ellipse";
}

TEST_F(DrawingTools, PixelToolSetsOnePixelPerPress)
{
    ASSERT_TRUE(host.Exec(kPixel, {"R", "255,0,0"}));
    Stroke({{20, 20}, {30, 30}});
    auto f = Frame();
    EXPECT_EQ(f.At(20, 20), kRed);
    EXPECT_EQ(CountOf(f, kRed), 1);
    ASSERT_TRUE(host.Exec(kPixel, {"R", ""})); // stores 0,0,0
    Click(5, 5);
    EXPECT_EQ(Frame().At(5, 5), kBlack);
    ASSERT_TRUE(host.Exec(kPixel, {"R", "bad"}));
    Click(6, 6);
    EXPECT_EQ(Frame().At(6, 6), kWhite) << "an unreadable colour sets no pixel";
}

TEST_F(DrawingTools, PipetteReportsAndRunsItsSubroutine)
{
    ASSERT_TRUE(host.Exec(kPixel, {"R", "255,0,0"}));
    Click(20, 20);
    ASSERT_TRUE(host.Exec(kPipette, {"R", "C", "Picked"}));
    host.ClearRecords();
    Click(20, 20);
    EXPECT_EQ(host.Variable("C"), "255,0,0");
    EXPECT_EQ(host.scriptLines, std::vector<std::string>{"GoSub \"Picked\""});
    ASSERT_TRUE(host.Exec(kPipette, {"R", "", "Picked"}));
    host.ClearRecords();
    Click(20, 20);
    EXPECT_TRUE(host.setVarCalls.empty());
    EXPECT_TRUE(host.scriptLines.empty()) << "no report, no subroutine";
    ASSERT_TRUE(host.Exec(kPipette, {"R", "C", ""}));
    Click(21, 20);
    EXPECT_EQ(host.Variable("C"), "255,255,255");
    EXPECT_TRUE(host.scriptLines.empty());
}

TEST_F(DrawingTools, AirbrushDotCounts)
{
    struct Case {
        std::string intensity, radius;
        int maxDots;
        int minDots;
    };
    const Case cases[] = {
        {"0", "5", 1, 1},   // one dot per event
        {"-1", "5", 0, 0},  // none
        {"3", "0", 1, 1},   // radius 0: every dot on the pointer pixel
        {"abc", "xyz", 11, 1}, // not integers: the defaults, 11 dots within 30 pixels
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(host.Exec(kCreateFile, {"R", "100", "80", ""}));
        ASSERT_TRUE(host.Exec(kAirbrush, {"R", "255,0,0", c.radius, c.intensity}));
        Click(50, 40);
        const auto f = Frame();
        const int dots = CountOf(f, kRed);
        EXPECT_LE(dots, c.maxDots) << c.intensity << " " << c.radius;
        EXPECT_GE(dots, c.minDots) << c.intensity << " " << c.radius;
        if (c.radius == "0") {
            EXPECT_EQ(f.At(50, 40), kRed);
        }
    }
    ASSERT_TRUE(host.Exec(kAirbrush, {"R", "", "", ""})); // black, 30, 10
    Click(50, 40);
    EXPECT_GE(CountOf(Frame(), kBlack), 1);
}

TEST_F(DrawingTools, EraserMakesEveryEraserColouredPixelTransparent)
{
    ASSERT_TRUE(host.Exec(kPixel, {"R", "224,224,224"}));
    Click(90, 70); // far from the stroke
    ASSERT_TRUE(host.Exec(kEraser, {"R", "3", ""}));
    Stroke({{10, 10}, {40, 10}});
    const auto f = Frame();
    EXPECT_EQ(f.At(20, 10), kBlue) << "the stroke shows the background";
    EXPECT_EQ(f.At(90, 70), kBlue) << "also where it did not paint";
    EXPECT_EQ(f.At(60, 40), kWhite);
}

TEST_F(DrawingTools, PositionReportDuringEveryTool)
{
    ASSERT_TRUE(host.Exec(kCoordinates, {"R", "X", "Y"}));
    for (int tool : {kPen, kToolsCancel}) {
        ASSERT_TRUE(host.Exec(tool, {"R", ""}));
        host.Move("R", 0, 0);
        EXPECT_EQ(host.Variable("X"), "1");
        host.Move("R", 150, 100);
        EXPECT_EQ(host.Variable("X"), "151") << "beyond the picture too";
    }
}

TEST_F(DrawingTools, GlowBrushAtTheCornerIsClipped)
{
    FillPicture("0,0,0");
    ASSERT_TRUE(host.Exec(kBrushGlow, {"R", "10", "100"}));
    Click(0, 0);
    const auto f = Frame();
    EXPECT_EQ(f.At(0, 0), (Rgb{200, 200, 200}));
    EXPECT_EQ(f.At(9, 9), (Rgb{200, 200, 200}));
    EXPECT_EQ(f.At(10, 0), kBlack);
    EXPECT_EQ(CountOf(f, Rgb{200, 200, 200}), 100) << "10 x 10 at (0, 0)";
}

TEST_F(DrawingTools, SaturationAndDarkBrushes)
{
    FillPicture("200,100,0");
    ASSERT_TRUE(host.Exec(kBrushSate, {"R", "5", "100"}));
    Click(20, 20);
    EXPECT_EQ(Frame().At(20, 20), (Rgb{100, 100, 100}));
    ASSERT_TRUE(host.Exec(kBrushSate, {"R", "5", "0"}));
    Click(60, 20);
    EXPECT_EQ(Frame().At(60, 20), (Rgb{200, 100, 0}));
    ASSERT_TRUE(host.Exec(kBrushDark, {"R", "5", "50"}));
    Click(60, 60);
    // a = 100: 200 − 20000 div 255 = 122, 100 − 39 = 61.
    EXPECT_EQ(Frame().At(60, 60), (Rgb{122, 61, 0}));
}

TEST_F(DrawingTools, FlowBrushBlocks)
{
    ASSERT_TRUE(host.Exec(kPixel, {"R", "255,0,0"}));
    Click(40, 40);
    ASSERT_TRUE(host.Exec(kBrushFlow, {"R", "10", "3"}));
    Click(45, 45);
    EXPECT_EQ(CountOf(Frame(), kRed), 1) << "pressure 3: blocks of one pixel";
    ASSERT_TRUE(host.Exec(kBrushFlow, {"R", "10", "20"}));
    Click(50, 50); // region (40,40)-(60,60): the red pixel is the first block's corner
    const auto f = Frame();
    EXPECT_EQ(f.At(49, 49), kRed);
    EXPECT_EQ(f.At(50, 50), kWhite);
    EXPECT_EQ(CountOf(f, kRed), 100);
}

TEST_F(DrawingTools, ArtBrushActionsStoreDigitsOnly)
{
    // A size with a sign keeps the default: the brush then works on 2-pixel squares.
    FillPicture("0,0,0");
    ASSERT_TRUE(host.Exec(kBrushGlow, {"R", "-5", "100"}));
    Click(50, 40);
    EXPECT_EQ(CountOf(Frame(), Rgb{200, 200, 200}), 16) << "S = 2: a 4 x 4 square";
}

TEST_F(DrawingTools, GradientStampsRepeatTheSameImage)
{
    ASSERT_TRUE(host.Exec(kBrushGR, {"R", "5", "255,0,0", "0,0,255", "LinearH"}));
    Stroke({{20, 20}, {60, 50}});
    const auto f = Frame();
    for (int dy = 0; dy < 10; ++dy)
        for (int dx = 0; dx < 10; ++dx) ASSERT_EQ(f.At(15 + dx, 15 + dy), f.At(55 + dx, 45 + dy)) << dx << "," << dy;
    EXPECT_EQ(f.At(15, 15), kRed);
    EXPECT_EQ(f.At(24, 15), kBlue);
}

TEST_F(DrawingTools, TransparentBrushSizeOneIsASinglePixel)
{
    ASSERT_TRUE(host.Exec(kBrushTParent, {"R", "Rectangle", "1", "True", "255", "Normal", "255,0,0"}));
    Stroke({{30, 30}, {30, 31}});
    const auto f = Frame();
    EXPECT_EQ(f.At(30, 30), kRed) << "stamped at the press";
    EXPECT_EQ(f.At(30, 31), kRed) << "and at the move";
    EXPECT_EQ(f.At(31, 30), kWhite);
    EXPECT_EQ(f.At(0, 0), kWhite) << "no stray stamp under the view's corner";
    EXPECT_EQ(CountOf(f, kRed), 2);
}

TEST_F(DrawingTools, TransparentBrushWithTransparencyZeroChangesNothing)
{
    const auto before = Frame();
    ASSERT_TRUE(host.Exec(kBrushTParent, {"R", "Circle", "10", "False", "0", "Normal", "255,0,0"}));
    Stroke({{30, 30}, {40, 35}, {50, 40}});
    EXPECT_EQ(Frame(), before);
}

TEST_F(DrawingTools, TransparentBrushCircleWithAntialiasing)
{
    ASSERT_TRUE(host.Exec(kBrushTParent, {"R", "Circle", "20", "True", "255", "Normal", "255,0,0"}));
    Stroke({{50, 40}, {50, 40}});
    const auto f = Frame();
    EXPECT_EQ(f.At(50, 40), kRed) << "the middle of the 20-pixel disc";
    EXPECT_EQ(f.At(50, 25), kWhite) << "outside its radius";
    EXPECT_EQ(f.At(41, 31), kWhite) << "the corner of its box";
}

TEST_F(DrawingTools, ChangingTheToolMidGestureDropsTheFinalFigure)
{
    ASSERT_TRUE(host.Exec(kLine, {"R", "", "", ""}));
    host.Down("R", 10, 60);
    host.Move("R", 90, 60);
    ASSERT_TRUE(host.Exec(kPen, {"R", "255,0,0"}));
    host.Move("R", 90, 70); // the line's move step no longer runs
    host.Up("R", 90, 70);
    auto f = Frame();
    EXPECT_EQ(f.At(50, 60), kBlack) << "the last band stays";
    EXPECT_EQ(CountOf(f, kRed), 0);
    Stroke({{10, 10}, {20, 10}});
    EXPECT_EQ(Frame().At(15, 10), kRed) << "the next gesture works";
}

TEST_F(DrawingTools, ASubroutineMayDeleteOrRecreateTheCanvasItRunsFrom)
{
    ASSERT_TRUE(host.Exec(kPipette, {"R", "C", "Gone"}));
    host.onScriptLine = [this](const std::string&) { host.Exec(2, {"R"}); };
    Click(20, 20);
    EXPECT_EQ(host.CanvasCountIn("R"), 1) << "kept aside, hidden, until the event is over";
    EXPECT_EQ(ixh_window_is_visible(host.CanvasOf("R")), 0);
    EXPECT_FALSE(host.Exec(kPen, {"R", ""}));
    EXPECT_EQ(host.CanvasCountIn("R"), 0) << "destroyed at the next action";

    ASSERT_TRUE(host.Exec(kCreate, {"R"}));
    ASSERT_TRUE(host.Exec(kPipette, {"R", "C", "Again"}));
    host.onScriptLine = [this](const std::string&) { host.Exec(kCreate, {"R"}); };
    Click(20, 20);
    host.onScriptLine = nullptr;
    EXPECT_TRUE(host.Exec(kPen, {"R", ""})) << "the new canvas";
    EXPECT_EQ(host.CanvasCountIn("R"), 1);
}

TEST_F(DrawingTools, ToolsCancelDrawsNothing)
{
    ASSERT_TRUE(host.Exec(kToolsCancel, {"R"}));
    const auto before = Frame();
    Stroke({{10, 10}, {50, 50}});
    EXPECT_EQ(Frame(), before);
}

TEST_F(DrawingTools, ActionsOnAMissingCanvasFail)
{
    for (int id = kPen; id <= kEraser; ++id)
        EXPECT_FALSE(host.Exec(id, {"Nope", "1", "2", "3", "4", "5", "6"})) << "id " << id;
}

} // namespace
