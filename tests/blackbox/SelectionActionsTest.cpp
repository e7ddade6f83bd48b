// The selection actions, ids 41 to 63, end to end: selection modes driven by mouse
// gestures, the reported bounds, and the operations on the selected area checked on the
// rendered canvas.
#include "blackbox/ScriptHost.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using ixtest::Rgb;
using ixtest::ScriptHost;

enum Id {
    kCreate = 1,
    kCreateFile = 3,
    kBackground = 5,
    kIntensity = 41,
    kMagicWand,
    kTolerance,
    kRectangle,
    kLasso,
    kEllipse,
    kPolygon,
    kCoordinates,
    kFloodFill,
    kFillPicture,
    kSetPicture,
    kTransparent,
    kGradTparent,
    kFeather,
    kEffects,
    kTrimming,
    kCut,
    kNegative,
    kBlur,
    kRedEyes,
    kSelectStyle,
    kRubberBand,
    kSelectCancel,
};

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
const std::string kNone = "2147483647,2147483647,0,0";

// A 24-bit Windows bitmap of one colour per column block: `colours` left to right, each
// `blockWidth` wide, `height` high.
void WriteBmp(const std::string& path, int blockWidth, int height, const std::vector<Rgb>& colours)
{
    const int width = blockWidth * static_cast<int>(colours.size());
    const int stride = (width * 3 + 3) / 4 * 4;
    std::vector<unsigned char> f(54 + static_cast<std::size_t>(stride) * height, 0);
    auto u32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) f[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    f[0] = 'B';
    f[1] = 'M';
    u32(2, static_cast<std::uint32_t>(f.size()));
    u32(10, 54);
    u32(14, 40);
    u32(18, static_cast<std::uint32_t>(width));
    u32(22, static_cast<std::uint32_t>(height));
    f[26] = 1;
    f[28] = 24;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgb c = colours[static_cast<std::size_t>(x / blockWidth)];
            unsigned char* p = &f[54 + static_cast<std::size_t>(y) * stride + x * 3];
            p[0] = static_cast<unsigned char>(c.b);
            p[1] = static_cast<unsigned char>(c.g);
            p[2] = static_cast<unsigned char>(c.r);
        }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(f.data()), static_cast<std::streamsize>(f.size()));
}

class SelectionActions : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.AddRectangle("R", 300, 200);
        ASSERT_TRUE(host.Exec(kCreate, {"R"}));
        ASSERT_TRUE(host.Exec(kCreateFile, {"R", "100", "80", ""}));
        ASSERT_TRUE(host.Exec(kBackground, {"R", "0,0,255", "Solid"}));
    }
    void TearDown() override
    {
        for (const std::string& f : files) std::remove(f.c_str());
    }
    void Drag(int x1, int y1, int x2, int y2)
    {
        host.Down("R", x1, y1);
        host.Move("R", (x1 + x2) / 2, (y1 + y2) / 2);
        host.Move("R", x2, y2);
        host.Up("R", x2, y2);
    }
    void Click(int x, int y)
    {
        host.Down("R", x, y);
        host.Up("R", x, y);
    }
    // A rectangle selection from corner to corner (pixels x1..x2-1, y1..y2-1).
    void SelectBox(int x1, int y1, int x2, int y2)
    {
        ASSERT_TRUE(host.Exec(kRectangle, {"R"}));
        Drag(x1, y1, x2, y2);
    }
    std::string Bounds()
    {
        host.variables.clear();
        EXPECT_TRUE(host.Exec(kCoordinates, {"R", "X1", "Y1", "X2", "Y2"}));
        return host.Variable("X1").value_or("?") + "," + host.Variable("Y1").value_or("?") + "," +
               host.Variable("X2").value_or("?") + "," + host.Variable("Y2").value_or("?");
    }
    // The picture as shown with no selection outline over it.
    ScriptHost::Frame Plain()
    {
        EXPECT_TRUE(host.Exec(kSelectCancel, {"R"}));
        return host.Render("R");
    }
    std::string TempFile(const std::string& name)
    {
        const std::string path = (std::filesystem::temp_directory_path() / ("ixsel_" + name)).string();
        files.push_back(path);
        return path;
    }
    ScriptHost host;
    std::vector<std::string> files;
};

TEST_F(SelectionActions, EveryActionOnAMissingCanvasFails)
{
    host.ClearRecords();
    for (int id = kIntensity; id <= kSelectCancel; ++id) {
        std::vector<std::string> params = {"Nope", "1", "1,1,1", "1,1,1", "true"};
        EXPECT_FALSE(host.Exec(id, params)) << id;
    }
    EXPECT_TRUE(host.setVarCalls.empty());
}

TEST_F(SelectionActions, CoordinatesOfNoSelectionAndOfARectangle)
{
    EXPECT_EQ(Bounds(), kNone);
    SelectBox(10, 20, 50, 60);
    EXPECT_EQ(Bounds(), "10,20,49,59");
    host.ClearRecords();
    ASSERT_TRUE(host.Exec(kCoordinates, {"R", "", "", "OnlyX2", ""}));
    ASSERT_EQ(host.setVarCalls.size(), 1u);
    EXPECT_EQ(host.setVarCalls[0], (std::pair<std::string, std::string>{"OnlyX2", "49"}));
}

TEST_F(SelectionActions, EachModeSelectsWithItsGesture)
{
    struct Case {
        const char* name;
        int id;
        std::vector<std::pair<int, int>> path; // press, moves, release at the last point
        std::string bounds;
    };
    const std::vector<Case> cases = {
        {"rectangle", kRectangle, {{10, 10}, {30, 40}}, "10,10,29,39"},
        {"rectangle dragged backwards", kRectangle, {{30, 40}, {10, 10}}, "10,10,29,39"},
        {"ellipse", kEllipse, {{20, 10}, {60, 30}}, "20,10,59,29"},
        {"lasso", kLasso, {{10, 10}, {40, 10}, {40, 30}, {10, 30}}, "10,10,39,29"},
        {"rectangle beyond the picture", kRectangle, {{90, 70}, {150, 150}}, "90,70,99,79"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(host.Exec(kSelectCancel, {"R"}));
        ASSERT_TRUE(host.Exec(c.id, {"R"}));
        host.Down("R", c.path.front().first, c.path.front().second);
        for (std::size_t i = 1; i < c.path.size(); ++i) host.Move("R", c.path[i].first, c.path[i].second);
        host.Up("R", c.path.back().first, c.path.back().second);
        EXPECT_EQ(Bounds(), c.bounds) << c.name;
    }
}

TEST_F(SelectionActions, PolygonLivesAcrossClicksUntilClosedOnItsFirstCorner)
{
    ASSERT_TRUE(host.Exec(kPolygon, {"R"}));
    Click(10, 10);
    Click(50, 10);
    Click(50, 40);
    EXPECT_EQ(Bounds(), "10,10,50,40") << "while drawn: the band's bounds";
    Click(10, 40);
    Click(10, 10); // back on the first corner closes it
    EXPECT_EQ(Bounds(), "10,10,49,39");
}

TEST_F(SelectionActions, CancelDeselectsAndSwitchesTheMouseOff)
{
    SelectBox(10, 10, 30, 30);
    ASSERT_TRUE(host.Exec(kSelectCancel, {"R"}));
    EXPECT_EQ(Bounds(), kNone);
    Drag(10, 10, 30, 30); // no selection mode any more
    EXPECT_EQ(Bounds(), kNone);
}

TEST_F(SelectionActions, FloodFillFillsTheSelectionOrTheWholePicture)
{
    SelectBox(10, 10, 20, 20);
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "255,0,0"}));
    auto f = Plain();
    EXPECT_EQ(f.At(15, 15), kRed);
    EXPECT_EQ(f.At(25, 15), kWhite);
    EXPECT_EQ(f.At(9, 15), kWhite);
    // No selection: the whole picture; an unreadable colour falls back to black.
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "red"}));
    f = host.Render("R");
    EXPECT_EQ(f.At(0, 0), kBlack);
    EXPECT_EQ(f.At(99, 79), kBlack);
    EXPECT_EQ(f.At(100, 40), kBlue) << "outside the picture";
}

TEST_F(SelectionActions, IntensityGradesNewAndExistingSelections)
{
    ASSERT_TRUE(host.Exec(kIntensity, {"R", "128"}));
    SelectBox(10, 10, 20, 20);
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "0,0,0"}));
    auto f = Plain();
    EXPECT_NEAR(f.At(15, 15).r, 127, 1);
    // 256 + 255 keeps its low 8 bits: the existing selection becomes full.
    SelectBox(30, 10, 40, 20);
    ASSERT_TRUE(host.Exec(kIntensity, {"R", "511"}));
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "0,0,0"}));
    f = Plain();
    EXPECT_EQ(f.At(35, 15), kBlack);
}

TEST_F(SelectionActions, MagicWandModesAndTolerance)
{
    // Two red squares apart on white; the left one has a white hole in its middle.
    SelectBox(10, 10, 30, 30);
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "255,0,0"}));
    SelectBox(18, 18, 22, 22);
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "255,255,255"}));
    SelectBox(60, 40, 70, 50);
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "250,10,10"}));
    ASSERT_TRUE(host.Exec(kSelectCancel, {"R"}));

    struct Case {
        const char* mode;
        const char* tolerance;
        std::string bounds;
    };
    const std::vector<Case> cases = {
        {"Global", "15", "10,10,69,49"},   // both squares
        {"global", "15", "10,10,69,49"},   // unknown word keeps the global mode
        {"Exclusive", "15", "10,10,29,29"}, // only the clicked square
        {"Inclusive", "15", "10,10,29,29"},
        {"Global", "2", "10,10,29,29"},     // the second square's red is 10 away
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(host.Exec(kSelectCancel, {"R"}));
        ASSERT_TRUE(host.Exec(kMagicWand, {"R", c.mode}));
        ASSERT_TRUE(host.Exec(kTolerance, {"R", c.tolerance}));
        Click(12, 12);
        EXPECT_EQ(Bounds(), c.bounds) << c.mode << " " << c.tolerance;
    }
    // Inclusive fills the hole, exclusive leaves it out: fill and look at the hole.
    for (const auto& [mode, hole] : std::vector<std::pair<std::string, Rgb>>{{"Inclusive", kBlack}, {"Exclusive", kWhite}}) {
        ASSERT_TRUE(host.Exec(kMagicWand, {"R", mode}));
        ASSERT_TRUE(host.Exec(kTolerance, {"R", ""}));
        Click(12, 12);
        ASSERT_TRUE(host.Exec(kFloodFill, {"R", "0,0,0"}));
        EXPECT_EQ(Plain().At(20, 20), hole) << mode;
        SelectBox(10, 10, 30, 30);
        ASSERT_TRUE(host.Exec(kFloodFill, {"R", "255,0,0"}));
        SelectBox(18, 18, 22, 22);
        ASSERT_TRUE(host.Exec(kFloodFill, {"R", "255,255,255"}));
    }
}

TEST_F(SelectionActions, TransparentToolStoresItsAlphaAndAppliesItOnAClick)
{
    struct Case {
        const char* alpha;
        Rgb shown; // a white pixel after the click, over the blue background
    };
    const std::vector<Case> cases = {
        {"0", kBlue},
        {"-1", kWhite}, // not digits only: 255
        {"", kWhite},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(host.Exec(kCreateFile, {"R", "100", "80", ""}));
        ASSERT_TRUE(host.Exec(kTransparent, {"R", c.alpha}));
        host.Move("R", 5, 5);
        Click(5, 5);
        const auto f = host.Render("R");
        EXPECT_EQ(f.At(50, 50), c.shown) << c.alpha;
    }
}

TEST_F(SelectionActions, GradTransparencyByColourRange)
{
    // Both range bounds default to black, which matches no pixel here.
    ASSERT_TRUE(host.Exec(kGradTparent, {"R", "0", "", ""}));
    EXPECT_EQ(host.Render("R").At(10, 10), kWhite);
    SelectBox(0, 0, 50, 80);
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "210,220,230"}));
    ASSERT_TRUE(host.Exec(kSelectCancel, {"R"}));
    ASSERT_TRUE(host.Exec(kGradTparent, {"R", "0", "200,200,200", "255,255,255"}));
    auto f = host.Render("R");
    EXPECT_EQ(f.At(10, 10), kBlue);
    EXPECT_EQ(f.At(70, 10), kBlue);
    // Alpha 256 + 128 keeps its low 8 bits.
    ASSERT_TRUE(host.Exec(kCreateFile, {"R", "100", "80", ""}));
    ASSERT_TRUE(host.Exec(kGradTparent, {"R", "384", "250,250,250", "255,255,255"}));
    f = host.Render("R");
    EXPECT_NEAR(f.At(10, 10).r, 128, 2);
    EXPECT_EQ(f.At(10, 10).b, 255);
}

TEST_F(SelectionActions, NegativeRedEyesAndBlurStayInsideTheSelection)
{
    SelectBox(10, 10, 30, 30);
    ASSERT_TRUE(host.Exec(kNegative, {"R"}));
    auto f = Plain();
    EXPECT_EQ(f.At(20, 20), kBlack);
    EXPECT_EQ(f.At(35, 20), kWhite);

    SelectBox(40, 10, 60, 30);
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "230,30,40"}));
    ASSERT_TRUE(host.Exec(kRedEyes, {"R"}));
    EXPECT_EQ(Plain().At(50, 20), (Rgb{35, 30, 40}));

    // Blur: radii that are not a positive number change nothing and succeed.
    const auto before = host.Render("R");
    for (const char* radius : {"0", "", "abc", "-3", " 3"}) {
        SelectBox(0, 0, 100, 80);
        EXPECT_TRUE(host.Exec(kBlur, {"R", radius})) << radius;
        EXPECT_EQ(Plain(), before) << radius;
    }
    EXPECT_FALSE(host.Exec(kBlur, {"R", "99999999999"})) << "digits beyond the integer range";
    SelectBox(0, 0, 20, 80);
    ASSERT_TRUE(host.Exec(kBlur, {"R", "3"}));
    f = Plain();
    EXPECT_GT(f.At(11, 20).r, 0) << "the black square's edge softened";
    EXPECT_LT(f.At(11, 20).r, 255);
    EXPECT_EQ(f.At(35, 20), kWhite) << "outside the selection";
    EXPECT_EQ(f.At(20, 11), before.At(20, 11));
}

TEST_F(SelectionActions, FeatherSoftensTheSelectionEdge)
{
    ASSERT_TRUE(host.Exec(kFeather, {"R", "4"})) << "nothing selected: nothing to do";
    SelectBox(30, 30, 60, 60);
    ASSERT_TRUE(host.Exec(kFeather, {"R", "4"}));
    const std::string bounds = Bounds();
    EXPECT_NE(bounds, "30,30,59,59");
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "0,0,0"}));
    const auto f = Plain();
    EXPECT_EQ(f.At(45, 45), kBlack);
    EXPECT_GT(f.At(30, 45).r, 0);
    EXPECT_LT(f.At(30, 45).r, 255);
}

TEST_F(SelectionActions, TrimmingAsksForASelectionOrCropsToIt)
{
    const int before = ixh_message_box_count();
    EXPECT_TRUE(host.Exec(kTrimming, {"R"}));
    ASSERT_EQ(ixh_message_box_count(), before + 1);
    char text[128] = {};
    ixh_message_box_text(ixh_message_box_count() - 1, text, sizeof text);
    EXPECT_STREQ(text, "Please do select an area to crop with your mouse first!");
    EXPECT_EQ(host.Render("R").At(99, 79), kWhite) << "picture unchanged";

    SelectBox(10, 10, 30, 30);
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "255,0,0"}));
    SelectBox(20, 20, 60, 50);
    ASSERT_TRUE(host.Exec(kTrimming, {"R"}));
    EXPECT_EQ(Bounds(), kNone) << "the crop leaves nothing selected";
    const auto f = host.Render("R");
    EXPECT_EQ(f.At(0, 0), kRed);
    EXPECT_EQ(f.At(15, 15), kWhite);
    EXPECT_EQ(f.At(39, 29), kWhite);
    EXPECT_EQ(f.At(40, 10), kBlue) << "the picture is 40 wide now";
    EXPECT_EQ(f.At(10, 30), kBlue) << "and 30 high";
}

TEST_F(SelectionActions, CutPutsTheSelectionOnTheClipboardAndClearsIt)
{
    SelectBox(10, 10, 30, 30);
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "255,0,0"}));
    SelectBox(0, 0, 20, 20);
    ASSERT_TRUE(host.Exec(kCut, {"R"}));
    EXPECT_GT(ixh_clipboard_get("CF_DIB", nullptr, 0), 40);
    EXPECT_GT(ixh_clipboard_get("ixCanvas Picture", nullptr, 0), 20 * 20 * 3);
    const auto f = Plain();
    EXPECT_EQ(f.At(15, 15), kBlue) << "filled with the background colour";
    EXPECT_EQ(f.At(25, 25), kRed);

    // A clipboard held by another program: nothing is cut.
    ixh_clipboard_set_available(0);
    SelectBox(20, 20, 30, 30);
    EXPECT_FALSE(host.Exec(kCut, {"R"}));
    ixh_clipboard_set_available(1);
    EXPECT_EQ(Plain().At(25, 25), kRed);
}

TEST_F(SelectionActions, FillPictureTilesThroughTheSelection)
{
    const std::string bmp = TempFile("tile.bmp");
    WriteBmp(bmp, 3, 7, {kRed, kBlack}); // 6 × 7: red columns 0..2, black 3..5
    EXPECT_FALSE(host.Exec(kFillPicture, {"R", TempFile("missing.bmp")}));
    ASSERT_TRUE(host.Exec(kFillPicture, {"R", bmp})) << "no selection: nothing changes";
    EXPECT_EQ(host.Render("R").At(1, 1), kWhite);
    SelectBox(0, 0, 100, 40);
    ASSERT_TRUE(host.Exec(kFillPicture, {"R", bmp}));
    const auto f = Plain();
    for (const int x : {0, 2, 6, 96, 98}) EXPECT_EQ(f.At(x, 20), kRed) << x;
    for (const int x : {3, 5, 9, 99}) EXPECT_EQ(f.At(x, 20), kBlack) << x;
    EXPECT_EQ(f.At(50, 45), kWhite) << "below the selection";

    // A picture larger than the canvas picture is laid once from the corner.
    const std::string big = TempFile("big.bmp");
    WriteBmp(big, 80, 90, {kBlack, kRed}); // 160 × 90
    SelectBox(0, 50, 100, 80);
    ASSERT_TRUE(host.Exec(kFillPicture, {"R", big}));
    const auto g = Plain();
    EXPECT_EQ(g.At(79, 60), kBlack);
    EXPECT_EQ(g.At(80, 60), kRed);
}

TEST_F(SelectionActions, SetPictureStretchesIntoTheBoxLeavingItsCornerColourOut)
{
    const std::string bmp = TempFile("set.bmp");
    WriteBmp(bmp, 10, 10, {kBlack, kRed}); // 20 × 10, lower-left black is left out
    EXPECT_FALSE(host.Exec(kSetPicture, {"R", bmp})) << "no selection";
    EXPECT_EQ(host.Render("R").At(5, 5), kWhite);
    SelectBox(20, 20, 61, 41); // bounds 20..60 × 20..40: a 40 × 20 box
    EXPECT_FALSE(host.Exec(kSetPicture, {"R", TempFile("missing.bmp")}));
    ASSERT_TRUE(host.Exec(kSetPicture, {"R", bmp}));
    const auto f = Plain();
    EXPECT_EQ(f.At(25, 25), kWhite) << "the black half is transparent";
    EXPECT_EQ(f.At(50, 30), kRed);
    EXPECT_EQ(f.At(59, 39), kRed);
    EXPECT_EQ(f.At(60, 30), kWhite) << "one pixel less than the selection";
}

TEST_F(SelectionActions, GripStyleAndOutlineColoursChangeTheLookOnly)
{
    SelectBox(20, 20, 60, 60);
    const auto plain = host.Render("R");
    ASSERT_TRUE(host.Exec(kSelectStyle, {"R", "9", "255,0,0", "0,255,0", ""}));
    EXPECT_EQ(host.Render("R"), plain) << "an empty fifth parameter changes nothing";
    ASSERT_TRUE(host.Exec(kSelectStyle, {"R", "9", "255,0,0", "0,255,0", "TRUE"}));
    const auto styled = host.Render("R");
    ASSERT_TRUE(host.Exec(kRubberBand, {"R", "255,0,0", "0,255,0"}));
    const auto banded = host.Render("R");
    EXPECT_NE(banded, styled);
    EXPECT_EQ(Bounds(), "20,20,59,59");
    EXPECT_EQ(Plain().At(40, 40), kWhite);
}

int PressOk(void*, ixh_form form)
{
    ixh_form_set(form, "EffectList", "itemindex", "0");
    ixh_form_set(form, "EffectAmount", "text", "100");
    return IXH_MODAL_OK;
}

TEST_F(SelectionActions, EffectsWindowAppliesTheConfirmedEffectInTheSelection)
{
    SelectBox(0, 0, 100, 80);
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "150,100,120"}));
    SelectBox(0, 0, 50, 80);
    EXPECT_TRUE(host.Exec(kEffects, {"R"})) << "cancelled without a driver";
    EXPECT_EQ(Plain().At(10, 10), (Rgb{150, 100, 120}));
    ixh_set_modal_driver(&PressOk, nullptr);
    SelectBox(0, 0, 50, 80);
    EXPECT_TRUE(host.Exec(kEffects, {"R"}));
    ixh_set_modal_driver(nullptr, nullptr);
    const auto f = Plain();
    EXPECT_EQ(f.At(10, 10), (Rgb{255, 0, 0})) << "full contrast";
    EXPECT_EQ(f.At(70, 10), (Rgb{150, 100, 120}));
}

} // namespace
