// The clipboard actions on a live canvas and the in-memory system clipboard: the formats
// a copy leaves, what a paste takes, selections, an unavailable clipboard and hostile
// clipboard contents.
#include "CanvasFixture.h"

#include "actions/ClipboardPictures.h"
#include "gfx/codecs/BmpCodec.h"

using namespace ix;
using ix::actions::test::CanvasFixture;
using ix::actions::test::Exec;
using gfx::Color;

namespace {

constexpr Color kRed = gfx::colors::Red;
constexpr Color kGreen = Color::FromRgb(0, 200, 0);
constexpr Color kBlue = Color::FromRgb(0, 0, 255);
constexpr Color kWhite = gfx::colors::White;

class ClipboardActions : public CanvasFixture {
protected:
    unsigned Raw() { return Clip().RegisterFormat(actions::kRawPictureFormat); }
    void SelectPicturePixels(const gfx::Rect& r)
    {
        Main().SetSelectionBase(gfx::SelectionBase::Bitmap);
        Main().Select(r);
        ASSERT_TRUE(Main().HasSelection());
    }
    std::string TestAnswer()
    {
        host.Clear();
        EXPECT_TRUE(Exec(72, {"Pic", "Answer"}));
        return host.Last("Answer");
    }
};

TEST_F(ClipboardActions, CopyLeavesDibAndRawAndTheTestSaysTrue)
{
    Clip().Put(ui::Clipboard::kDib, {1, 2, 3});
    Clip().Put(Clip().RegisterFormat("CF_TEXT"), {'a', 0});
    EXPECT_EQ(TestAnswer(), "True");
    Clip().Clear();
    EXPECT_EQ(TestAnswer(), "False");

    SetPicture({6, 4}, kRed);
    ASSERT_TRUE(Exec(71, {"Pic"}));
    const auto formats = Clip().StoredFormats();
    ASSERT_EQ(formats.size(), 2u); // emptied first: nothing else stays
    ASSERT_NE(Clip().Peek(ui::Clipboard::kDib), nullptr);
    const gfx::Picture fromDib = gfx::codecs::DecodeDib(*Clip().Peek(ui::Clipboard::kDib), {}, false);
    EXPECT_EQ(fromDib.GetSize(), (gfx::Size{6, 4}));
    EXPECT_EQ(fromDib.GetPixel({5, 3}), kRed);
    ASSERT_NE(Clip().Peek(Raw()), nullptr);
    EXPECT_EQ(TestAnswer(), "True");
}

TEST_F(ClipboardActions, TestWithAnEmptyVariableWritesNothingAndAnyPasteFormatCounts)
{
    Clip().Put(ui::Clipboard::kDib, {1});
    EXPECT_TRUE(Exec(72, {"Pic", ""}));
    EXPECT_TRUE(host.vars.empty());
    for (const char* name : {"PNG", "CF_ENHMETAFILE", actions::kRawPictureFormat}) {
        Clip().Clear();
        Clip().Put(Clip().RegisterFormat(name), {1});
        EXPECT_EQ(TestAnswer(), "True") << name;
    }
    Clip().SetAvailable(false);
    EXPECT_EQ(TestAnswer(), "False");
}

TEST_F(ClipboardActions, PasteReplacesThePictureKeepingAlphaAndResolution)
{
    SetPicture({5, 3}, kGreen);
    Current().SetDpi(300, 300);
    Current().SetAlpha({1, 1}, 40);
    ASSERT_TRUE(Exec(71, {"Pic"}));
    SetPicture({50, 50}, kWhite);

    ASSERT_TRUE(Exec(73, {"Pic"}));
    EXPECT_EQ(Current().GetSize(), (gfx::Size{5, 3}));
    EXPECT_EQ(Current().GetPixel({4, 2}), kGreen);
    EXPECT_EQ(Current().GetAlpha({1, 1}), 40);
    EXPECT_EQ(Current().GetAlpha({0, 0}), 255);
    EXPECT_EQ(Current().DpiX(), 300);
}

TEST_F(ClipboardActions, PasteTakesADibWhenNothingBetterIsThere)
{
    Clip().Put(ui::Clipboard::kDib, gfx::codecs::EncodeDib(gfx::Picture({3, 7}, kBlue), false));
    SetPicture({20, 20}, kWhite);
    ASSERT_TRUE(Exec(73, {"Pic"}));
    EXPECT_EQ(Current().GetSize(), (gfx::Size{3, 7}));
    EXPECT_EQ(Current().GetPixel({2, 6}), kBlue);
}

TEST_F(ClipboardActions, NothingUsableOrNoClipboardChangesNothingAndSucceeds)
{
    SetPicture({8, 8}, kWhite);
    const gfx::Picture before = Current();
    Clip().Put(Clip().RegisterFormat("CF_TEXT"), {'x', 0});
    Clip().Put(ui::Clipboard::kEnhMetafile, {1, 2, 3, 4}); // recognised, not rendered
    for (int id : {73, 76}) EXPECT_TRUE(Exec(id, {"Pic"})) << id;
    EXPECT_EQ(Current(), before);

    Clip().Put(ui::Clipboard::kDib, gfx::codecs::EncodeDib(gfx::Picture({3, 3}, kRed), false));
    Clip().SetAvailable(false);
    for (int id : {71, 73, 74, 76}) EXPECT_TRUE(Exec(id, {"Pic"})) << id;
    EXPECT_EQ(Current(), before);
    Clip().SetAvailable(true);
    EXPECT_EQ(Clip().StoredFormats().size(), 3u); // the copies left it alone
}

std::vector<std::uint8_t> RawHeader(std::uint32_t w, std::uint32_t h, std::uint8_t alpha)
{
    std::vector<std::uint8_t> d = {'I', 'X', 'R', 'P'};
    for (std::uint32_t v : {w, h, 96u, 96u})
        for (int i = 0; i < 4; ++i) d.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    d.push_back(alpha);
    return d;
}

TEST_F(ClipboardActions, HostileContentsGiveFalseAndLeaveThePicture)
{
    std::vector<std::uint8_t> dib = gfx::codecs::EncodeDib(gfx::Picture({40, 40}, kRed), false);
    std::vector<std::uint8_t> truncatedDib(dib.begin(), dib.begin() + static_cast<long>(dib.size() / 2));
    std::vector<std::uint8_t> hugeDib = dib;
    hugeDib[4] = hugeDib[5] = hugeDib[6] = 0xFF; // width 16 million
    hugeDib[7] = 0x00;
    std::vector<std::uint8_t> headerOnlyDib(dib.begin(), dib.begin() + 10);

    std::vector<std::uint8_t> shortRaw = RawHeader(10, 10, 0);
    shortRaw.resize(shortRaw.size() + 299);
    std::vector<std::uint8_t> hugeRaw = RawHeader(0xFFFFFFFFu, 0xFFFFFFFFu, 1);
    std::vector<std::uint8_t> zeroRaw = RawHeader(0, 5, 0);
    std::vector<std::uint8_t> badFlagRaw = RawHeader(1, 1, 7);
    badFlagRaw.resize(badFlagRaw.size() + 4);

    struct Case {
        const char* what;
        const char* format;
        std::vector<std::uint8_t> data;
    };
    const Case cases[] = {
        {"truncated DIB", "CF_DIB", truncatedDib},
        {"absurd DIB width", "CF_DIB", hugeDib},
        {"DIB header cut", "CF_DIB", headerOnlyDib},
        {"empty DIB", "CF_DIB", {}},
        {"short raw", actions::kRawPictureFormat, shortRaw},
        {"absurd raw size", actions::kRawPictureFormat, hugeRaw},
        {"zero raw width", actions::kRawPictureFormat, zeroRaw},
        {"bad raw alpha flag", actions::kRawPictureFormat, badFlagRaw},
        {"raw magic only", actions::kRawPictureFormat, {'I', 'X', 'R', 'P'}},
        {"PNG that is none", "PNG", {0x89, 'P', 'N', 'G', 1, 2, 3}},
    };
    SetPicture({8, 8}, kWhite);
    const gfx::Picture before = Current();
    for (const Case& c : cases) {
        Clip().Clear();
        Clip().Put(Clip().RegisterFormat(c.format), c.data);
        EXPECT_FALSE(Exec(73, {"Pic"})) << c.what;
        if (c.format != std::string("PNG")) {
            EXPECT_FALSE(Exec(76, {"Pic"})) << c.what;
        }
        EXPECT_EQ(Current(), before) << c.what;
    }
}

TEST_F(ClipboardActions, SelectionCopyTakesTheBoxAndCutClearsIt)
{
    SetPicture({30, 30}, kRed);
    Main().SetBackgroundColor(kBlue);
    SelectPicturePixels({5, 6, 15, 10});
    ASSERT_TRUE(Exec(74, {"Pic"}));
    auto pasted = actions::PasteFromClipboard(Clip());
    ASSERT_TRUE(pasted);
    EXPECT_EQ(pasted->GetSize(), (gfx::Size{10, 4}));
    EXPECT_EQ(Current().GetPixel({5, 6}), kRed); // a copy leaves the picture

    Clip().Clear();
    ASSERT_TRUE(Exec(75, {"Pic"}));
    pasted = actions::PasteFromClipboard(Clip());
    ASSERT_TRUE(pasted);
    EXPECT_EQ(pasted->GetSize(), (gfx::Size{10, 4}));
    EXPECT_EQ(pasted->GetPixel({9, 3}), kRed);
    EXPECT_EQ(Current().GetPixel({5, 6}), kBlue);
    EXPECT_EQ(Current().GetPixel({14, 9}), kBlue);
    EXPECT_EQ(Current().GetPixel({15, 9}), kRed);
    EXPECT_EQ(Current().GetPixel({4, 6}), kRed);
}

TEST_F(ClipboardActions, WithoutSelectionCopyTakesAllAndCutDoesNothing)
{
    SetPicture({12, 9}, kGreen);
    ASSERT_TRUE(Exec(74, {"Pic"}));
    auto pasted = actions::PasteFromClipboard(Clip());
    ASSERT_TRUE(pasted);
    EXPECT_EQ(pasted->GetSize(), (gfx::Size{12, 9}));

    Clip().Clear();
    Clip().Put(ui::Clipboard::kDib, {9, 9});
    const gfx::Picture before = Current();
    ASSERT_TRUE(Exec(75, {"Pic"}));
    EXPECT_EQ(Current(), before);
    ASSERT_EQ(Clip().StoredFormats().size(), 1u);
    EXPECT_EQ(*Clip().Peek(ui::Clipboard::kDib), (std::vector<std::uint8_t>{9, 9}));
}

TEST_F(ClipboardActions, CutOnABusyClipboardKeepsTheSelectedPixels)
{
    SetPicture({20, 20}, kRed);
    SelectPicturePixels({2, 2, 8, 8});
    Clip().SetAvailable(false);
    EXPECT_TRUE(Exec(75, {"Pic"}));
    EXPECT_EQ(Current().GetPixel({4, 4}), kRed);
}

TEST_F(ClipboardActions, StretchPasteFillsTheSelectionAndAlphaNarrowsIt)
{
    gfx::Picture source({2, 2}, kGreen);
    source.SetAlpha({0, 0}, 0); // left column transparent
    source.SetAlpha({0, 1}, 0);
    ASSERT_TRUE(actions::CopyPictureToClipboard(Clip(), source));

    SetPicture({40, 40}, kWhite);
    SelectPicturePixels({10, 10, 30, 20});
    ASSERT_TRUE(Exec(76, {"Pic"}));
    EXPECT_EQ(Current().GetSize(), (gfx::Size{40, 40}));
    EXPECT_EQ(Current().GetPixel({29, 19}), kGreen);
    EXPECT_EQ(Current().GetPixel({21, 10}), kGreen);
    EXPECT_EQ(Current().GetPixel({10, 10}), kWhite); // transparent part leaves the canvas
    EXPECT_EQ(Current().GetPixel({30, 20}), kWhite); // outside the selection
    EXPECT_EQ(Current().GetPixel({5, 5}), kWhite);
}

TEST_F(ClipboardActions, StretchPasteWithoutSelectionReplacesThePicture)
{
    ASSERT_TRUE(actions::CopyPictureToClipboard(Clip(), gfx::Picture({3, 4}, kBlue)));
    SetPicture({40, 40}, kWhite);
    ASSERT_TRUE(Exec(76, {"Pic"}));
    EXPECT_EQ(Current().GetSize(), (gfx::Size{3, 4}));
    EXPECT_EQ(Current().GetPixel({0, 0}), kBlue);
}

TEST(RawPicture, RoundTripsPixelsAlphaAndResolution)
{
    gfx::Picture p({3, 2}, Color::FromRgb(1, 2, 3));
    p.SetPixel({2, 1}, Color::FromRgb(250, 100, 7));
    p.SetAlpha({1, 0}, 9);
    p.SetDpi(72, 300);
    const gfx::Picture back = actions::DecodeRawPicture(actions::EncodeRawPicture(p));
    EXPECT_EQ(back, p);
}

} // namespace
