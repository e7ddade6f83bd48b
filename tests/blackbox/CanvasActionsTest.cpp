// The canvas and view actions, ids 3 to 20, through the entry points.
#include "blackbox/ScriptHost.h"

#include <gtest/gtest.h>

namespace {

using ixtest::Rgb;
using ixtest::ScriptHost;

enum Id {
    kCreate = 1,
    kCreateFile = 3,
    kCenter,
    kBackground,
    kWallPaper,
    kHorizRuler,
    kVertRuler,
    kVRulerFont,
    kHRulerFont,
    kGetZoom,
    kGrid,
    kSetZoom,
    kSetCursor,
    kLoadCursor,
    kCoordinates,
    kFit,
    kSetSize,
    kColorBack,
    kIsEmpty,
};

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

class CanvasActions : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.AddRectangle("R", 300, 200);
        ASSERT_TRUE(host.Exec(kCreate, {"R"}));
    }
    std::string Zoom()
    {
        host.Exec(kGetZoom, {"R", "Z"});
        return host.Variable("Z").value_or("<none>");
    }
    std::string Empty()
    {
        host.Exec(kIsEmpty, {"R", "E"});
        return host.Variable("E").value_or("<none>");
    }
    // Red around the drawing area, solid blue behind the picture inside it.
    void ColourTheAreas()
    {
        ASSERT_TRUE(host.Exec(kColorBack, {"R", "255,0,0"}));
        ASSERT_TRUE(host.Exec(kBackground, {"R", "0,0,255", "Solid"}));
    }
    ScriptHost host;
};

TEST_F(CanvasActions, EveryActionOnAMissingCanvasFailsAndWritesNothing)
{
    host.ClearRecords();
    const std::vector<std::pair<int, std::vector<std::string>>> calls = {
        {kCreateFile, {"Nope", "10", "10", ""}},
        {kCenter, {"Nope", "true"}},
        {kBackground, {"Nope", "1,2,3", "Solid"}},
        {kWallPaper, {"Nope", "", "Tile"}},
        {kHorizRuler, {"Nope", "", "true", "Sub"}},
        {kVertRuler, {"Nope", "", "true", "Sub"}},
        {kVRulerFont, {"Nope", "1,2,3", "true"}},
        {kHRulerFont, {"Nope", "1,2,3", "true"}},
        {kGetZoom, {"Nope", "Z"}},
        {kGrid, {"Nope", "true"}},
        {kSetZoom, {"Nope", "200"}},
        {kSetCursor, {"Nope", "Arrow"}},
        {kLoadCursor, {"Nope", "x.cur"}},
        {kCoordinates, {"Nope", "X", "Y"}},
        {kFit, {"Nope", "true"}},
        {kSetSize, {"Nope", "Width", "150"}},
        {kColorBack, {"Nope", "1,2,3"}},
        {kIsEmpty, {"Nope", "E"}},
    };
    for (const auto& [id, params] : calls) EXPECT_FALSE(host.Exec(id, params)) << "id " << id;
    EXPECT_TRUE(host.setVarCalls.empty());
    EXPECT_TRUE(host.scriptLines.empty());
    EXPECT_EQ(Zoom(), "100") << "the canvas R was not touched";
}

TEST_F(CanvasActions, CreateFileSizesAndEmptiness)
{
    EXPECT_EQ(Empty(), "True") << "a new canvas";
    struct Case {
        std::string width, height;
        std::string empty;
    };
    const Case cases[] = {
        {"abc", "", "True"}, // 1 × 1
        {"2", "1", "False"},
        {"1", "1", "True"},
        {"1", "2", "False"},
        {"$10", " 8", "False"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(host.Exec(kCreateFile, {"R", c.width, c.height, ""}));
        EXPECT_EQ(Empty(), c.empty) << c.width << " x " << c.height;
    }
    EXPECT_FALSE(host.Exec(kCreateFile, {"R", "-5", "10", ""})) << "a negative size is refused";
}

TEST_F(CanvasActions, CreateFileIsWhiteOrTransparentNearWhite)
{
    ColourTheAreas();
    ASSERT_TRUE(host.Exec(kCreateFile, {"R", "20", "10", ""}));
    auto frame = host.Render("R");
    EXPECT_EQ(frame.At(5, 5), (Rgb{255, 255, 255}));
    EXPECT_EQ(frame.At(25, 5), kBlue) << "the background beside the picture";
    EXPECT_EQ(frame.At(250, 150), kBlue) << "the drawing area fills the canvas";

    ASSERT_TRUE(host.Exec(kCreateFile, {"R", "20", "10", "0"}));
    frame = host.Render("R");
    EXPECT_EQ(frame.At(5, 5), kBlue) << "transparency 0 shows the background";
    ASSERT_TRUE(host.Exec(kCreateFile, {"R", "20", "10", "x"}));
    EXPECT_EQ(host.Render("R").At(5, 5), kBlue) << "a transparency that is no number gives alpha 0";
    ASSERT_TRUE(host.Exec(kCreateFile, {"R", "20", "10", "255"}));
    EXPECT_EQ(host.Render("R").At(5, 5), (Rgb{254, 254, 254}));
    ASSERT_TRUE(host.Exec(kCreateFile, {"R", "20", "10", "128"}));
    const Rgb half = host.Render("R").At(5, 5);
    EXPECT_NEAR(half.r, 127, 2);
    EXPECT_NEAR(half.b, 254 * 128 / 255 + 255 * 127 / 255, 2);
}

TEST_F(CanvasActions, BackgroundFallsBackToBlackAndChessboard)
{
    ASSERT_TRUE(host.Exec(kCreateFile, {"R", "10", "10", ""}));
    ASSERT_TRUE(host.Exec(kBackground, {"R", "not a colour", "Solid"}));
    EXPECT_EQ(host.Render("R").At(100, 100), (Rgb{0, 0, 0}));
    ASSERT_TRUE(host.Exec(kBackground, {"R", "0,255,0", "solid"})) << "a wrong style keeps the chessboard";
    const auto frame = host.Render("R");
    bool twoShades = false;
    for (int x = 20; x < 120 && !twoShades; ++x) twoShades = frame.At(x, 100) != frame.At(20, 100);
    EXPECT_TRUE(twoShades) << "a chessboard has two shades";
}

TEST_F(CanvasActions, HorizontalRulerShownTwiceShrinksTheViewOnce)
{
    ColourTheAreas();
    const auto before = host.Render("R");
    ASSERT_TRUE(host.Exec(kHorizRuler, {"R", "0,255,0", "true", "OnRuler"}));
    const auto shown = host.Render("R");
    EXPECT_EQ(shown.At(100, 10), (Rgb{0, 255, 0})) << "the ruler's colour";
    EXPECT_EQ(shown.At(10, 10), (Rgb{0, 255, 0})) << "the corner panel's colour";
    ASSERT_TRUE(host.Exec(kHorizRuler, {"R", "0,255,0", "TRUE", "OnRuler"}));
    ASSERT_TRUE(host.Exec(kHorizRuler, {"R", "0,255,0", "false", "OnRuler"}));
    EXPECT_EQ(host.Render("R"), before);
    ASSERT_TRUE(host.Exec(kHorizRuler, {"R", "", "yes", ""})) << "other text changes nothing";
    EXPECT_EQ(host.Render("R"), before);
}

TEST_F(CanvasActions, VerticalRulerShownTwiceShrinksTheViewOnce)
{
    ColourTheAreas();
    const auto before = host.Render("R");
    ASSERT_TRUE(host.Exec(kVertRuler, {"R", "", "true", ""}));
    EXPECT_EQ(host.Render("R").At(10, 100), (Rgb{0, 0, 0})) << "an empty colour gives black";
    ASSERT_TRUE(host.Exec(kVertRuler, {"R", "", "true", ""}));
    ASSERT_TRUE(host.Exec(kVertRuler, {"R", "", "False", ""}));
    EXPECT_EQ(host.Render("R"), before);
}

TEST_F(CanvasActions, ZoomReadingsAndReport)
{
    struct Case {
        std::string text;
        std::string zoom;
    };
    const Case cases[] = {
        {"200", "200"}, {"", "100"}, {"abc", "100"}, {"1.5", "100"}, {"  150", "150"}, {"$C8", "200"},
        {"0", "200"}, // ignored by the view: stays at the previous zoom
        {"-50", "200"},
    };
    std::string previous = "100";
    for (const auto& c : cases) {
        if (c.text != "0" && c.text != "-50") previous = c.zoom;
        ASSERT_TRUE(host.Exec(kSetZoom, {"R", c.text}));
        EXPECT_EQ(Zoom(), previous) << '"' << c.text << '"';
    }
    // The report goes out at once, even to an empty variable name.
    host.ClearRecords();
    ASSERT_TRUE(host.Exec(kGetZoom, {"R", ""}));
    ASSERT_EQ(host.setVarCalls.size(), 1u);
    EXPECT_EQ(host.setVarCalls[0].first, "");
}

TEST_F(CanvasActions, ZoomChangesAreReportedOnceAVariableIsNamed)
{
    ASSERT_TRUE(host.Exec(kGetZoom, {"R", "Z"}));
    host.ClearRecords();
    ASSERT_TRUE(host.Exec(kSetZoom, {"R", "250"}));
    EXPECT_EQ(host.Variable("Z"), "250");
    ASSERT_TRUE(host.Exec(kSetZoom, {"R", "75"}));
    EXPECT_EQ(host.Variable("Z"), "75");
}

TEST_F(CanvasActions, CursorNames)
{
    ASSERT_TRUE(host.Exec(kSetCursor, {"R", "HandPoint"}));
    EXPECT_EQ(ixh_current_cursor(), -21);
    ASSERT_TRUE(host.Exec(kSetCursor, {"R", "handpoint"}));
    EXPECT_EQ(ixh_current_cursor(), -21) << "a name in the wrong case changes nothing";
    const std::pair<std::string, int> cases[] = {
        {"AppStart", -19}, {"Arrow", -2}, {"Cross", -3}, {"Default", 0}, {"Help", -20}, {"HourGlass", -11},
        {"HSplit", -14}, {"IBeam", -4}, {"MultiDrag", -16}, {"No", -18}, {"NoDrop", -13}, {"SizeAll", -22},
        {"SizeNESW", -6}, {"SizeNS", -7}, {"SizeNWSE", -8}, {"SizeWE", -9}, {"SQLWait", -17}, {"UpArrow", -10},
        {"VSplit", -15}, {"Pixel", 1785},
    };
    for (const auto& [name, id] : cases) {
        ASSERT_TRUE(host.Exec(kSetCursor, {"R", name}));
        EXPECT_EQ(ixh_current_cursor(), id) << name;
    }
}

TEST_F(CanvasActions, LoadCursorSucceedsEvenForAMissingFile)
{
    EXPECT_TRUE(host.Exec(kLoadCursor, {"R", "/no/such/file.cur"}));
}

TEST_F(CanvasActions, CoordinatesReportOneBasedPositions)
{
    ASSERT_TRUE(host.Exec(kCreateFile, {"R", "50", "40", ""}));
    ASSERT_TRUE(host.Exec(kCoordinates, {"R", "X", "Y"}));
    host.Move("R", 0, 0);
    EXPECT_EQ(host.Variable("X"), "1");
    EXPECT_EQ(host.Variable("Y"), "1");
    host.Move("R", 120, 7); // beyond the picture
    EXPECT_EQ(host.Variable("X"), "121");
    EXPECT_EQ(host.Variable("Y"), "8");
    ASSERT_TRUE(host.Exec(kCoordinates, {"R", "", "Y"}));
    host.ClearRecords();
    host.Move("R", 3, 4);
    EXPECT_EQ(host.setVarCalls, (std::vector<std::pair<std::string, std::string>>{{"Y", "5"}}));
}

TEST_F(CanvasActions, SetSizeIsBoundedByTheSizeAtCreation)
{
    ColourTheAreas();
    ASSERT_TRUE(host.Exec(kCreateFile, {"R", "1", "1", ""}));
    struct Case {
        std::string keyword, value;
        int expectedWidth;
    };
    const Case cases[] = {
        {"Width", "50", 100}, {"Width", "150", 150}, {"Width", "5000", 300}, {"Width", "abc", 100},
        {"width", "150", 100}, // wrong case: unchanged
        {"Client", "", 300},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(host.Exec(kSetSize, {"R", c.keyword, c.value}));
        const auto frame = host.Render("R");
        EXPECT_EQ(frame.At(c.expectedWidth - 1, 50), kBlue) << c.keyword << " " << c.value;
        if (c.expectedWidth < 300) {
            EXPECT_EQ(frame.At(c.expectedWidth, 50), kRed) << c.keyword << " " << c.value;
        }
    }
    ASSERT_TRUE(host.Exec(kSetSize, {"R", "Height", "120"}));
    const auto frame = host.Render("R");
    EXPECT_EQ(frame.At(50, 119), kBlue);
    EXPECT_EQ(frame.At(50, 120), kRed);
}

TEST_F(CanvasActions, ColorBackIgnoresEmptyAndUnreadableTexts)
{
    ASSERT_TRUE(host.Exec(kSetSize, {"R", "Width", "100"}));
    ASSERT_TRUE(host.Exec(kColorBack, {"R", "255,0,0"}));
    EXPECT_EQ(host.Render("R").At(200, 50), kRed);
    ASSERT_TRUE(host.Exec(kColorBack, {"R", ""}));
    ASSERT_TRUE(host.Exec(kColorBack, {"R", "1;2;3"}));
    EXPECT_EQ(host.Render("R").At(200, 50), kRed);
}

TEST_F(CanvasActions, BooleanFlagsReturnTrueWhateverTheText)
{
    for (const std::string text : {"true", "False", "TRUE", "1", "yes", ""}) {
        EXPECT_TRUE(host.Exec(kCenter, {"R", text})) << text;
        EXPECT_TRUE(host.Exec(kGrid, {"R", text})) << text;
        EXPECT_TRUE(host.Exec(kFit, {"R", text})) << text;
        EXPECT_TRUE(host.Exec(kVRulerFont, {"R", "", text})) << text;
        EXPECT_TRUE(host.Exec(kHRulerFont, {"R", "9,9,9", text})) << text;
    }
}

TEST_F(CanvasActions, CenterPlacesTheImageInTheMiddle)
{
    ColourTheAreas();
    ASSERT_TRUE(host.Exec(kCreateFile, {"R", "20", "20", ""}));
    ASSERT_TRUE(host.Exec(kCenter, {"R", "true"}));
    auto frame = host.Render("R");
    EXPECT_EQ(frame.At(150, 100), (Rgb{255, 255, 255}));
    EXPECT_EQ(frame.At(5, 5), kBlue);
    ASSERT_TRUE(host.Exec(kCenter, {"R", "maybe"})) << "other text leaves it off";
    frame = host.Render("R");
    EXPECT_EQ(frame.At(5, 5), (Rgb{255, 255, 255}));
}

TEST_F(CanvasActions, FitZoomsTheWholePictureIntoTheView)
{
    ASSERT_TRUE(host.Exec(kCreateFile, {"R", "600", "100", ""}));
    ASSERT_TRUE(host.Exec(kFit, {"R", "true"}));
    EXPECT_EQ(Zoom(), "50");
    ASSERT_TRUE(host.Exec(kFit, {"R", "false"}));
    ASSERT_TRUE(host.Exec(kSetZoom, {"R", "100"}));
    EXPECT_EQ(Zoom(), "100");
}

TEST_F(CanvasActions, WallPaperWithoutAFileKeepsTheWallpaperAndSucceeds)
{
    EXPECT_TRUE(host.Exec(kWallPaper, {"R", "", "Tile"}));
    EXPECT_TRUE(host.Exec(kWallPaper, {"R", "/no/such/picture.bmp", "Stretch"}));
    EXPECT_TRUE(host.Exec(kWallPaper, {"R", "", "bogus"}));
}

} // namespace
