// Hostile input: the kept malformed files and every truncation of valid files are
// refused with GfxError (or not recognised at all), never a crash, hang or huge
// allocation. Run under the sanitizers to make "never a crash" mean something.
#include "CodecTestSupport.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/Codecs.h"
#include "gfx/codecs/FileSystem.h"
#include "gfx/codecs/LayerFile.h"
#include "gfx/codecs/PsdCodec.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ix::gfx::codecs {
namespace {

using namespace testing;

std::vector<std::filesystem::path> MalformedFiles()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(IX_TEST_DATA "/malformed"))
        if (entry.path().extension() != ".py" && entry.path().extension() != ".md") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Decodes in every way a file can be decoded; true when something was refused.
enum class Outcome { Decoded, Refused, Unrecognised };
Outcome DecodeEverything(ByteView bytes)
{
    try {
        if (HasLayerFileSignature(bytes)) {
            ReadLayerFile(bytes);
            return Outcome::Decoded;
        }
        DecodeOptions all;
        all.allFrames = true;
        const auto pictures = DecodePictures(bytes, all);
        if (!pictures) return Outcome::Unrecognised;
        EXPECT_FALSE(pictures->empty());
        if (CodecForContent(bytes)->Kind() == Format::Psd) DecodePsdLayers(bytes, DecodeLimits{});
        return Outcome::Decoded;
    } catch (const GfxError&) {
        return Outcome::Refused;
    }
}

TEST(Malformed, EveryKeptFileIsRefused)
{
    const auto files = MalformedFiles();
    ASSERT_GE(files.size(), 60u);
    for (const auto& path : files) {
        const Bytes bytes = ReadWholeFile(path.string());
        const Outcome outcome = DecodeEverything(bytes);
        // WBMP has no signature: a broken header makes the file unknown, which is also clean.
        if (path.extension() == ".wbmp") {
            EXPECT_NE(outcome, Outcome::Decoded) << path.filename();
        } else {
            EXPECT_EQ(outcome, Outcome::Refused) << path.filename();
        }
    }
}

TEST(Malformed, EveryTruncationOfAValidFileFailsCleanly)
{
    const Picture colour = AlphaPicture(false);
    const Picture few = AlphaPicture(true, 7);
    const struct {
        const char* name;
        const Picture& picture;
    } cases[] = {{"a.bmp", colour}, {"a.png", colour}, {"a.tif", colour}, {"a.gif", few}, {"a.pcx", colour},
                 {"a.dcx", colour}, {"a.tga", colour}, {"a.ppm", colour}, {"a.ico", colour}, {"a.jpg", colour},
                 {"a.pbm", colour}, {"a.wbmp", colour}};
    for (const auto& c : cases) {
        const Bytes full = *EncodePicture(c.name, c.picture);
        ASSERT_EQ(DecodeEverything(full), Outcome::Decoded) << c.name;
        // Every prefix: none may crash; the strict formats must refuse all of them.
        int decoded = 0;
        for (std::size_t n = 0; n + 1 < full.size(); n += std::max<std::size_t>(1, full.size() / 300)) {
            if (DecodeEverything(ByteView(full.data(), n)) == Outcome::Decoded) ++decoded;
        }
        const std::string name = c.name;
        // TGA ends with a footer and TIFF may store its directory after the pixels: a cut
        // there leaves a complete picture. Everything else must refuse every prefix.
        if (name != "a.tga" && name != "a.tif") {
            EXPECT_EQ(decoded, 0) << c.name;
        }
    }
}

TEST(Malformed, FlippedBytesNeverCrash)
{
    const Picture picture = AlphaPicture(true, 7);
    for (const char* name : {"a.bmp", "a.png", "a.tif", "a.gif", "a.pcx", "a.tga", "a.ico", "a.jpg", "a.lyr"}) {
        Bytes good = std::string(name) == "a.lyr" ? WriteLayerFile(std::vector<Layer>{Layer{picture}}, 0)
                                                  : *EncodePicture(name, picture);
        std::uint32_t seed = 12345;
        int refused = 0;
        for (int round = 0; round < 300; ++round) {
            Bytes bad = good;
            for (int k = 0; k < 4; ++k) {
                seed = seed * 1103515245 + 12345;
                bad[(seed >> 8) % bad.size()] ^= static_cast<std::uint8_t>(1u << (seed >> 28 & 7));
            }
            // Any outcome but a crash; some damage must be noticed.
            if (DecodeEverything(bad) == Outcome::Refused) ++refused;
        }
        EXPECT_GT(refused, 0) << name;
    }
}

TEST(Malformed, LimitsAreHonoured)
{
    const Bytes bytes = *EncodePicture("a.png", ColourPicture(64, 64));
    DecodeOptions tight;
    tight.limits.maxPixels = 1000;
    EXPECT_THROW(DecodePictures(bytes, tight), GfxError);
    tight.limits = DecodeLimits{};
    tight.limits.maxSide = 63;
    EXPECT_THROW(DecodePictures(bytes, tight), GfxError);
    tight.limits.maxSide = 64;
    EXPECT_NO_THROW(DecodePictures(bytes, tight));
}

} // namespace
} // namespace ix::gfx::codecs
