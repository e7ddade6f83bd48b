// The layer actions, ids 96 to 107, end to end: counts and indexes reported to the host,
// and the composed picture as the canvas shows it.
#include "blackbox/ScriptHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ixtest::Rgb;
using ixtest::ScriptHost;

enum Id {
    kCreate = 1,
    kCreateFile = 3,
    kBackground = 5,
    kPen = 21,
    kSelectRectangle = 44,
    kCoordinates = 48,
    kFloodFill = 49,
    kSelectCancel = 63,
    kAdd = 96,
    kDelete,
    kPriority,
    kMove,
    kRotate,
    kVisible,
    kMergeAll,
    kGetCount,
    kCurrent,
    kMerge,
    kEffect,
    kTransparent,
};

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

class LayerActions : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.AddRectangle("R", 300, 200);
        ASSERT_TRUE(host.Exec(kCreate, {"R"}));
        ASSERT_TRUE(host.Exec(kCreateFile, {"R", "100", "80", ""}));
        ASSERT_TRUE(host.Exec(kBackground, {"R", "0,0,255", "Solid"}));
        ASSERT_TRUE(host.Exec(kCurrent, {"R", "L"}));
    }
    std::string Count()
    {
        host.variables.erase("N");
        EXPECT_TRUE(host.Exec(kGetCount, {"R", "N"}));
        return host.Variable("N").value_or("<none>");
    }
    // The current layer's index as a click on the canvas reports it, with the mouse off.
    std::string CurrentLayer()
    {
        EXPECT_TRUE(host.Exec(kSelectCancel, {"R"}));
        host.variables.erase("L");
        host.Down("R", 250, 190);
        host.Up("R", 250, 190);
        return host.Variable("L").value_or("<none>");
    }
    // Layer 0 red, then a white layer over it.
    void RedUnderWhite()
    {
        ASSERT_TRUE(host.Exec(kFloodFill, {"R", "255,0,0"}));
        ASSERT_TRUE(host.Exec(kAdd, {"R"}));
    }
    Rgb Shown(int x = 50, int y = 40) { return host.Render("R").At(x, y); }
    ScriptHost host;
};

TEST_F(LayerActions, EveryActionOnAMissingCanvasFails)
{
    host.ClearRecords();
    for (int id = kAdd; id <= kTransparent; ++id) EXPECT_FALSE(host.Exec(id, {"Nope", "1", "0"})) << id;
    EXPECT_TRUE(host.setVarCalls.empty());
}

TEST_F(LayerActions, AddAppendsAWhiteCurrentLayerOfTheSameSize)
{
    EXPECT_EQ(Count(), "1");
    EXPECT_EQ(CurrentLayer(), "0");
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "255,0,0"}));
    ASSERT_TRUE(host.Exec(kAdd, {"R"}));
    EXPECT_EQ(Count(), "2");
    EXPECT_EQ(CurrentLayer(), "1");
    const auto f = host.Render("R");
    EXPECT_EQ(f.At(0, 0), kWhite);
    EXPECT_EQ(f.At(99, 79), kWhite);
    EXPECT_EQ(f.At(100, 40), kBlue) << "no larger than the picture";
}

TEST_F(LayerActions, CurrentReportsOnClicksOnlyAndAnEmptyNameStopsIt)
{
    host.ClearRecords();
    ASSERT_TRUE(host.Exec(kCurrent, {"R", "Index"}));
    EXPECT_TRUE(host.setVarCalls.empty()) << "the action itself writes nothing";
    host.Down("R", 5, 5);
    host.Up("R", 5, 5);
    EXPECT_EQ(host.Variable("Index"), "0");
    ASSERT_TRUE(host.Exec(kCurrent, {"R", ""}));
    host.ClearRecords();
    host.Down("R", 5, 5);
    host.Up("R", 5, 5);
    EXPECT_TRUE(host.setVarCalls.empty());
}

TEST_F(LayerActions, DeleteRemovesTheCurrentLayerButNeverTheLast)
{
    EXPECT_TRUE(host.Exec(kDelete, {"R"}));
    EXPECT_EQ(Count(), "1");
    EXPECT_EQ(Shown(), kWhite);
    RedUnderWhite();
    ASSERT_TRUE(host.Exec(kDelete, {"R"}));
    EXPECT_EQ(Count(), "1");
    EXPECT_EQ(CurrentLayer(), "0");
    EXPECT_EQ(Shown(), kRed);
}

TEST_F(LayerActions, MoveChangesTheOrderWithinTheEnds)
{
    RedUnderWhite();
    ASSERT_TRUE(host.Exec(kAdd, {"R"})); // layers 0 red, 1 white, 2 white; current 2
    ASSERT_TRUE(host.Exec(kFloodFill, {"R", "0,255,0"}));
    struct Case {
        const char* direction;
        std::string current;
    };
    const std::vector<Case> cases = {
        {"Up", "2"},   // already on top
        {"up", "2"},   // unknown word
        {"Down", "1"},
        {"Down", "0"},
        {"Down", "0"}, // already at the bottom
        {"Up", "1"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(host.Exec(kMove, {"R", c.direction}));
        EXPECT_EQ(CurrentLayer(), c.current) << c.direction;
    }
    EXPECT_EQ(Shown(), kWhite) << "green now lies under the top white layer";
    EXPECT_EQ(Count(), "3");
}

TEST_F(LayerActions, VisibleEffectAndTransparencyOfTheCurrentLayer)
{
    RedUnderWhite();
    struct Case {
        int id;
        const char* value;
        Rgb shown;
    };
    const std::vector<Case> cases = {
        {kVisible, "FALSE", kRed},
        {kVisible, "yes", kRed}, // neither word: unchanged
        {kVisible, "tRuE", kWhite},
        {kEffect, "Mul", kRed},     // white × red
        {kEffect, "normal", kWhite}, // unknown name: Normal
        {kEffect, "Sub", {0, 0, 0}}, // red − white, clamped
        {kEffect, "Normal", kWhite},
        {kTransparent, "0", kRed},
        {kTransparent, "", kWhite},
        {kTransparent, "-20", kRed}, // stored unclamped, composed as 0
        {kTransparent, "999", kWhite},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(host.Exec(c.id, {"R", c.value}));
        EXPECT_EQ(Shown(), c.shown) << c.id << " " << c.value;
    }
    ASSERT_TRUE(host.Exec(kTransparent, {"R", "128"}));
    const Rgb half = Shown();
    EXPECT_EQ(half.r, 255);
    EXPECT_NEAR(half.g, 128, 1);
}

TEST_F(LayerActions, MergeTwoLayers)
{
    RedUnderWhite();
    ASSERT_TRUE(host.Exec(kAdd, {"R"})); // three layers
    struct Case {
        const char* first;
        const char* second;
        bool ok;
        std::string count, current;
    };
    const std::vector<Case> cases = {
        {"", "1", true, "3", "2"},  // empty: nothing
        {"2", "", true, "3", "2"},
        {"5", "0", false, "3", "2"}, // no layer 5: failure, unchanged
        {"1", "1", true, "3", "2"},  // with itself: unchanged
        {"2", "1", true, "2", "1"},
        {"x", "1", true, "1", "0"},  // not a number counts as 0
    };
    for (const Case& c : cases) {
        EXPECT_EQ(host.Exec(kMerge, {"R", c.first, c.second}), c.ok) << c.first << "+" << c.second;
        EXPECT_EQ(Count(), c.count) << c.first << "+" << c.second;
        EXPECT_EQ(CurrentLayer(), c.current) << c.first << "+" << c.second;
    }
    EXPECT_EQ(Shown(), kWhite);
}

TEST_F(LayerActions, MergeAllKeepsThePictureInOneLayer)
{
    RedUnderWhite();
    ASSERT_TRUE(host.Exec(kTransparent, {"R", "0"}));
    ASSERT_TRUE(host.Exec(kAdd, {"R"}));
    ASSERT_TRUE(host.Exec(kVisible, {"R", "false"}));
    ASSERT_TRUE(host.Exec(kSelectCancel, {"R"})); // no layer grips in the pictures compared
    const auto before = host.Render("R");
    ASSERT_TRUE(host.Exec(kMergeAll, {"R"}));
    EXPECT_EQ(Count(), "1");
    EXPECT_EQ(CurrentLayer(), "0");
    EXPECT_EQ(host.Render("R"), before);
    EXPECT_EQ(Shown(), kRed);
}

TEST_F(LayerActions, PriorityAndRotateHandTheMouseToTheLayers)
{
    RedUnderWhite();
    ASSERT_TRUE(host.Exec(kPen, {"R", "0,0,0", "3"}));
    ASSERT_TRUE(host.Exec(kPriority, {"R"}));
    // Dragging the white layer by its middle moves it instead of drawing on it.
    host.Down("R", 50, 40);
    host.Move("R", 60, 40);
    host.Move("R", 70, 40);
    host.Up("R", 70, 40);
    auto f = host.Render("R");
    EXPECT_EQ(f.At(10, 40), kRed) << "uncovered by the moved layer";
    EXPECT_EQ(f.At(50, 40), kWhite) << "no pen line";

    // A selection action takes the mouse back: the same drag selects.
    ASSERT_TRUE(host.Exec(kSelectRectangle, {"R"}));
    host.Down("R", 30, 30);
    host.Move("R", 40, 40);
    host.Up("R", 40, 40);
    host.variables.clear();
    ASSERT_TRUE(host.Exec(kCoordinates, {"R", "A", "", "", ""}));
    EXPECT_EQ(host.Variable("A"), "30");

    ASSERT_TRUE(host.Exec(kRotate, {"R"}));
    const auto beforeTurn = host.Render("R");
    host.Down("R", 90, 40);
    host.Move("R", 90, 60);
    host.Up("R", 90, 60);
    EXPECT_NE(host.Render("R"), beforeTurn) << "the layer turned or moved with the mouse";
}

} // namespace
