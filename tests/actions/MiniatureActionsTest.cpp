// The miniature actions on a live canvas: storing and restoring pictures, the
// selection's box, size, visibility, label, subroutine and file.
#include "CanvasFixture.h"

#include "actions/MiniatureActions.h"
#include "gfx/codecs/PictureFile.h"

#include <filesystem>
#include <fstream>

using namespace ix;
using ix::actions::test::CanvasFixture;
using ix::actions::test::Exec;
using gfx::Color;

namespace {

constexpr Color kRed = gfx::colors::Red;
constexpr Color kGreen = Color::FromRgb(0, 200, 0);
constexpr Color kBlue = Color::FromRgb(0, 0, 255);
constexpr Color kWhite = gfx::colors::White;

class MiniatureActions : public CanvasFixture {
protected:
    void SelectPicturePixels(const gfx::Rect& r)
    {
        Main().SetSelectionBase(gfx::SelectionBase::Bitmap);
        Main().Select(r);
        ASSERT_TRUE(Main().HasSelection());
    }
    const gfx::Picture& Stored(int n) { return canvas->MiniatureView(n).Layers().At(0).picture; }
    std::filesystem::path TempFile(const std::string& name)
    {
        return std::filesystem::temp_directory_path() / ("ixa3_" + std::to_string(::getpid()) + "_" + name);
    }
};

TEST(MiniatureNumber, OnlyTheFiveExactNames)
{
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(actions::MiniatureNumber("Miniature" + std::to_string(n)), n);
    for (const char* other : {"miniature1", "MINIATURE2", "Miniature0", "Miniature6", "Miniature", "Miniature11",
                              " Miniature1", "Miniature1 ", ""})
        EXPECT_FALSE(actions::MiniatureNumber(other).has_value()) << other;
}

TEST_F(MiniatureActions, SaveThenExtractWithoutSelectionRestoresPictureColourAndResolution)
{
    SetPicture({40, 30}, kRed);
    Current().SetDpi(200, 150);
    Main().SetBackgroundColor(kBlue);
    ASSERT_TRUE(Exec(64, {"Pic", "Miniature3"}));
    EXPECT_EQ(Stored(3).GetSize(), (gfx::Size{40, 30}));
    EXPECT_EQ(canvas->MiniatureView(3).BackgroundColor(), kBlue);

    SetPicture({10, 10}, kWhite);
    Main().SetBackgroundColor(kWhite);
    ASSERT_TRUE(Exec(65, {"pic", "Miniature3"})); // canvas names ignore ASCII case
    EXPECT_EQ(Current().GetSize(), (gfx::Size{40, 30}));
    EXPECT_EQ(Current().GetPixel({39, 29}), kRed);
    EXPECT_EQ(Current().DpiX(), 200);
    EXPECT_EQ(Current().DpiY(), 150);
    EXPECT_EQ(Main().BackgroundColor(), kBlue);
}

TEST_F(MiniatureActions, SaveWithSelectionStoresTheBoxWithUnselectedPixelsInTheBackgroundColour)
{
    // An L-shaped red area on white; the magic wand selects just the L.
    SetPicture({50, 50}, kWhite);
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 30; ++x)
            if (y < 20 || x < 15) Current().SetPixel({x, y}, kRed);
    Main().SetBackgroundColor(kBlue);
    Main().MagicWandSelect({12, 12});
    ASSERT_TRUE(Main().HasSelection());
    ASSERT_EQ(Main().SelectionMask().Box(), (gfx::Rect{10, 10, 30, 30}));

    ASSERT_TRUE(Exec(64, {"Pic", "Miniature1"}));
    const gfx::Picture& stored = Stored(1);
    ASSERT_EQ(stored.GetSize(), (gfx::Size{20, 20}));
    EXPECT_EQ(stored.GetPixel({0, 0}), kRed);
    EXPECT_EQ(stored.GetPixel({2, 19}), kRed);
    EXPECT_EQ(stored.GetPixel({15, 15}), kBlue); // inside the box, outside the L
}

TEST_F(MiniatureActions, ExtractWithSelectionCoversTheWholeBoxAndNothingElse)
{
    SetPicture({4, 4}, kGreen);
    ASSERT_TRUE(Exec(64, {"Pic", "Miniature2"}));
    SetPicture({50, 50}, kWhite);
    SelectPicturePixels({10, 10, 30, 20});

    ASSERT_TRUE(Exec(65, {"Pic", "Miniature2"}));
    EXPECT_EQ(Current().GetSize(), (gfx::Size{50, 50}));
    EXPECT_EQ(Current().GetPixel({10, 10}), kGreen);
    EXPECT_EQ(Current().GetPixel({29, 19}), kGreen); // last column and row of the selection
    EXPECT_EQ(Current().GetPixel({30, 19}), kWhite);
    EXPECT_EQ(Current().GetPixel({29, 20}), kWhite);
    EXPECT_EQ(Current().GetPixel({9, 9}), kWhite);
    EXPECT_TRUE(Main().HasSelection());
}

TEST_F(MiniatureActions, ExtractOfAnUnknownOrEmptyMiniatureChangesNothing)
{
    SetPicture({20, 20}, kWhite);
    const gfx::Picture before = Current();
    EXPECT_TRUE(Exec(65, {"Pic", "Miniature9"}));
    EXPECT_EQ(Current(), before);
    SelectPicturePixels({2, 2, 10, 10});
    EXPECT_TRUE(Exec(65, {"Pic", "miniature1"}));
    EXPECT_TRUE(Exec(65, {"Pic", "Miniature4"})); // never stored: empty
    EXPECT_EQ(Current(), before);
}

TEST_F(MiniatureActions, SizeReadsIntegersWithDefaults)
{
    struct Case {
        const char* width;
        const char* height;
        int w, h;
    };
    for (const Case& c : {Case{"", "", 185, 150}, Case{"300", "abc", 300, 150}, Case{"x", "90", 185, 90},
                          Case{"$20", " 7", 32, 7}, Case{"1.5", "", 185, 150}}) {
        ASSERT_TRUE(Exec(66, {"Pic", "Miniature4", c.width, c.height}));
        EXPECT_EQ(canvas->TMPImageEn(4).Width(), c.w) << c.width;
        EXPECT_EQ(canvas->TMPImageEn(4).Height(), c.h) << c.height;
    }
    const int before = canvas->TMPImageEn(5).Width();
    EXPECT_TRUE(Exec(66, {"Pic", "Miniature 5", "10", "10"}));
    EXPECT_EQ(canvas->TMPImageEn(5).Width(), before);
}

TEST_F(MiniatureActions, VisibleShowsInFrontHidesAndIgnoresOtherWords)
{
    auto& mini = canvas->TMPImageEn(2);
    const auto& siblings = mini.Parent()->Children();
    ASSERT_TRUE(Exec(67, {"Pic", "Miniature2", "tRuE"}));
    EXPECT_TRUE(mini.Visible());
    EXPECT_EQ(siblings.back().get(), &mini);

    ASSERT_TRUE(Exec(67, {"Pic", "Miniature2", "yes"}));
    EXPECT_TRUE(mini.Visible());
    ASSERT_TRUE(Exec(67, {"Pic", "Miniature2", "FALSE"}));
    EXPECT_FALSE(mini.Visible());
    EXPECT_EQ(siblings.front().get(), &mini);
    ASSERT_TRUE(Exec(67, {"Pic", "Miniature2", "1"}));
    EXPECT_FALSE(mini.Visible());
}

TEST_F(MiniatureActions, LabelAndSubroutine)
{
    ASSERT_TRUE(Exec(68, {"Pic", "Miniature5", "Образец"}));
    EXPECT_EQ(canvas->LabelMiniature(5).Caption(), "Образец");
    ASSERT_TRUE(Exec(68, {"Pic", "Miniature5", ""}));
    EXPECT_EQ(canvas->LabelMiniature(5).Caption(), "");

    ASSERT_TRUE(Exec(69, {"Pic", "Miniature3", "Show"}));
    EXPECT_EQ(canvas->Setting(canvas::State::SubMiniature3), "Show");
    canvas->MiniatureMouseDown(3, ui::MouseButton::Right, 2, 2);
    ASSERT_EQ(host.lines.size(), 1u);
    EXPECT_EQ(host.lines[0], "GoSub \"Show\"");

    ASSERT_TRUE(Exec(69, {"Pic", "Miniature3", ""}));
    canvas->MiniatureMouseDown(3, ui::MouseButton::Right, 2, 2);
    EXPECT_EQ(host.lines.size(), 1u);
}

TEST_F(MiniatureActions, FileLoadsExistingPicturesAndFailsOnBadOnes)
{
    const auto good = TempFile("mini.bmp");
    ASSERT_TRUE(gfx::codecs::SavePictureFile(good.string(), gfx::Picture({7, 5}, kGreen)));
    ASSERT_TRUE(Exec(70, {"Pic", "Miniature1", good.string()}));
    EXPECT_EQ(Stored(1).GetSize(), (gfx::Size{7, 5}));
    EXPECT_EQ(Stored(1).GetPixel({6, 4}), kGreen);

    EXPECT_TRUE(Exec(70, {"Pic", "Miniature1", TempFile("missing.bmp").string()}));
    EXPECT_TRUE(Exec(70, {"Pic", "Miniature1", ""}));
    EXPECT_EQ(Stored(1).GetSize(), (gfx::Size{7, 5}));

    const auto bad = TempFile("bad.bmp");
    std::ofstream(bad, std::ios::binary) << "BM this is not a bitmap";
    EXPECT_FALSE(Exec(70, {"Pic", "Miniature1", bad.string()}));
    EXPECT_EQ(Stored(1).GetSize(), (gfx::Size{7, 5}));
    std::filesystem::remove(good);
    std::filesystem::remove(bad);
}

TEST_F(MiniatureActions, EveryActionFailsOnAnUnknownCanvas)
{
    for (int id = 64; id <= 76; ++id) {
        EXPECT_FALSE(Exec(id, {"Nope", "Miniature1", "10", "10"})) << id;
        EXPECT_FALSE(Exec(id, {})) << id;
    }
    EXPECT_TRUE(host.vars.empty());
}

} // namespace
