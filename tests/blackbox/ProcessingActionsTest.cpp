// The processing actions, ids 77 to 92, through the entry points.
#include "blackbox/ScriptHost.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using ixtest::ScriptHost;

enum Id {
    kCreate = 1,
    kCreateFile = 3,
    kGetZoom = 11,
    kFit = 17,
    kRemovePixel = 77,
    kRemoveNoise,
    kEncrypt,
    kDecrypt,
    kFlip,
    kReflection,
    kAddShadow,
    kTextRotate,
    kEdgeDetect,
    kEdgePen,
    kGetNumColor,
    kConvertTo,
    kWriteHidden,
    kReadHidden,
    kSetMask,
    kResample,
};

class ProcessingActions : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.AddRectangle("R", 400, 400);
        ASSERT_TRUE(host.Exec(kCreate, {"R"}));
        ASSERT_TRUE(host.Exec(kCreateFile, {"R", "40", "40", ""}));
    }
    std::string Var(const std::string& name) { return host.Variable(name).value_or("<none>"); }
    std::string Colors()
    {
        host.Exec(kGetNumColor, {"R", "N"});
        return Var("N");
    }
    std::string Hidden()
    {
        host.Exec(kReadHidden, {"R", "T"});
        return Var("T");
    }
    // The fitted zoom: it follows the picture's larger side relative to the view.
    std::string FitZoom()
    {
        host.Exec(kFit, {"R", "True"});
        host.Exec(kGetZoom, {"R", "Z"});
        return Var("Z");
    }
    ScriptHost host;
};

TEST_F(ProcessingActions, EveryActionOnAMissingCanvasFails)
{
    for (int id = kRemovePixel; id <= kResample; ++id) {
        std::vector<std::string> params(id == kAddShadow ? 6 : id == kSetMask ? 4 : 4, "");
        params[0] = "Nope";
        EXPECT_FALSE(host.Exec(id, params)) << id;
    }
}

TEST_F(ProcessingActions, HiddenTextRoundTripAndFreshPicture)
{
    EXPECT_EQ(Hidden(), "");
    ASSERT_TRUE(host.Exec(kWriteHidden, {"R", "secret message"}));
    EXPECT_EQ(Hidden(), "secret message");
    ASSERT_TRUE(host.Exec(kWriteHidden, {"R", ""}));
    EXPECT_EQ(Hidden(), "");
}

TEST_F(ProcessingActions, EncryptDecryptRestoresThePicture)
{
    ASSERT_TRUE(host.Exec(kWriteHidden, {"R", "kept"}));
    ASSERT_TRUE(host.Exec(kEncrypt, {"R", "pw"}));
    EXPECT_NE(Hidden(), "kept");
    EXPECT_NE(Colors(), "1");
    ASSERT_TRUE(host.Exec(kDecrypt, {"R", "other"}));
    ASSERT_TRUE(host.Exec(kEncrypt, {"R", "other"}));
    ASSERT_TRUE(host.Exec(kDecrypt, {"R", "pw"}));
    EXPECT_EQ(Hidden(), "kept");
    ASSERT_TRUE(host.Exec(kEncrypt, {"R", ""})) << "an empty password does nothing";
    EXPECT_EQ(Hidden(), "kept");
}

TEST_F(ProcessingActions, ColourCountAndConversion)
{
    EXPECT_EQ(Colors(), "1");
    ASSERT_TRUE(host.Exec(kAddShadow, {"R", "3", "4", "4", "100", "0,0,0"}));
    EXPECT_EQ(Colors(), "2") << "the picture's white and the shadow's black (its opacity varies)";
    ASSERT_TRUE(host.Exec(kEncrypt, {"R", "noise"}));
    ASSERT_TRUE(host.Exec(kConvertTo, {"R", "5000"}));
    const std::string many = Colors();
    ASSERT_TRUE(host.Exec(kConvertTo, {"R", "4"}));
    EXPECT_LE(std::stoi(Colors()), 4);
    EXPECT_GT(std::stoi(many), 4);
    ASSERT_TRUE(host.Exec(kConvertTo, {"R", ""}));
    EXPECT_EQ(Colors(), "2") << "black and white";
    ASSERT_TRUE(host.Exec(kRemoveNoise, {"R", "TRUE", ""}));
    ASSERT_TRUE(host.Exec(kRemovePixel, {"R", "0", "3"}));
    EXPECT_EQ(Colors(), "2");
}

TEST_F(ProcessingActions, StrictReadingsFailOthersFallBack)
{
    EXPECT_FALSE(host.Exec(kRemovePixel, {"R", "0", "many"}));
    EXPECT_FALSE(host.Exec(kRemovePixel, {"R", "black", "3"}));
    EXPECT_TRUE(host.Exec(kRemoveNoise, {"R", "maybe", "1"}));
    EXPECT_EQ(Colors(), "1") << "an unknown word changes nothing";
    const std::string zoom = FitZoom();
    EXPECT_TRUE(host.Exec(kReflection, {"R", "-5"}));
    EXPECT_TRUE(host.Exec(kReflection, {"R", "250"}));
    EXPECT_TRUE(host.Exec(kReflection, {"R", ""}));
    EXPECT_FALSE(host.Exec(kReflection, {"R", "abc"}));
    EXPECT_TRUE(host.Exec(kFlip, {"R", "horizontal"}));
    EXPECT_TRUE(host.Exec(kAddShadow, {"R", "3", "1", "1", "100", ""})) << "no colour: no shadow, success";
    EXPECT_TRUE(host.Exec(kAddShadow, {"R", "wide", "1", "1", "100", "0,0,0"}));
    EXPECT_EQ(FitZoom(), zoom) << "none of these changed the picture";
}

TEST_F(ProcessingActions, ReflectionDoublesTheHeight)
{
    const double before = std::stod(FitZoom());
    ASSERT_TRUE(host.Exec(kReflection, {"R", "0"}));
    EXPECT_NEAR(std::stod(FitZoom()), before / 2, before * 0.02);
}

TEST_F(ProcessingActions, ResampleSizesAndNames)
{
    ASSERT_TRUE(host.Exec(kResample, {"R", "Bicubic", "", ""}));
    const double at100 = std::stod(FitZoom());
    ASSERT_TRUE(host.Exec(kResample, {"R", "bicubic", "50", "50"}));
    EXPECT_NEAR(std::stod(FitZoom()), at100, at100 * 0.01) << "lower-case name: nothing";
    ASSERT_TRUE(host.Exec(kResample, {"R", "Nearest", "50", "50"}));
    EXPECT_NEAR(std::stod(FitZoom()), at100 * 2, at100 * 0.02);
    EXPECT_FALSE(host.Exec(kResample, {"R", "Nearest", "0", "50"}));
    EXPECT_FALSE(host.Exec(kResample, {"R", "Nearest", "1000000", "1000000"}));
    EXPECT_FALSE(host.Exec(kAddShadow, {"R", "1000000000", "0", "0", "100", "0,0,0"}));
    EXPECT_NEAR(std::stod(FitZoom()), at100 * 2, at100 * 0.02) << "refused sizes leave the picture";
}

TEST_F(ProcessingActions, EdgePenOnFlatPictureIsWhite)
{
    ASSERT_TRUE(host.Exec(kEdgePen, {"R"}));
    EXPECT_EQ(Colors(), "1");
    ASSERT_TRUE(host.Exec(kFlip, {"R", "Vertical"}));
    EXPECT_EQ(Colors(), "1");
    ASSERT_TRUE(host.Exec(kEdgeDetect, {"R"}));
    EXPECT_EQ(Colors(), "1") << "no edges: all black";
    ASSERT_TRUE(host.Exec(kAddShadow, {"R", "0", "5", "5", "100", "255,255,255"}));
    ASSERT_TRUE(host.Exec(kEdgeDetect, {"R"}));
    EXPECT_EQ(Colors(), "2") << "the shadow's rim is found";
}

} // namespace
