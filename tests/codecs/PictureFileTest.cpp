// Loading and saving by name: existence tests, unknown formats, failures, Cyrillic names.
#include "CodecTestSupport.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/Codecs.h"
#include "gfx/codecs/FileSystem.h"
#include "gfx/codecs/PictureFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ix::gfx::codecs {
namespace {

using namespace testing;
namespace fs = std::filesystem;

class PictureFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("ixcodecs_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Name(const std::string& leaf) const { return (dir_ / leaf).string(); }
    fs::path dir_;
};

TEST_F(PictureFileTest, SaveThenLoadByExtension)
{
    const Picture picture = ColourPicture();
    for (const char* leaf : {"a.png", "a.bmp", "a.tif", "a.tga", "a.pcx"}) {
        ASSERT_TRUE(SavePictureFile(Name(leaf), picture)) << leaf;
        const auto back = LoadPictureFile(Name(leaf));
        ASSERT_TRUE(back.has_value()) << leaf;
        EXPECT_TRUE(SamePixels(*back, picture)) << leaf;
    }
    // The same picture saved under .png and .bmp gives two different formats.
    EXPECT_EQ(CodecForContent(ReadWholeFile(Name("a.png")))->Kind(), Format::Png);
    EXPECT_EQ(CodecForContent(ReadWholeFile(Name("a.bmp")))->Kind(), Format::Bmp);
}

TEST_F(PictureFileTest, UnknownExtensionWritesNothing)
{
    EXPECT_FALSE(SavePictureFile(Name("a.xyz"), ColourPicture()));
    EXPECT_FALSE(SavePictureFile(Name("noextension"), ColourPicture()));
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(PictureFileTest, FailuresThrow)
{
    EXPECT_THROW(SavePictureFile(Name("missing/a.png"), ColourPicture()), GfxError);
    EXPECT_FALSE(fs::exists(dir_ / "missing"));
    EXPECT_THROW(LoadPictureFile(Name("none.png")), GfxError);
    EXPECT_THROW(LoadPictureFile(dir_.string()), GfxError) << "a folder is not a file";
    EXPECT_THROW(SavePictureFile(Name("empty.png"), Picture()), GfxError);
    EXPECT_FALSE(fs::exists(dir_ / "empty.png")) << "a failed encoding leaves no file";
}

TEST_F(PictureFileTest, UnrecognisedContentIsNothing)
{
    std::ofstream(dir_ / "text.png") << "not a picture at all";
    EXPECT_FALSE(LoadPictureFile(Name("text.png")).has_value());
    EXPECT_FALSE(LoadLayerFile(Name("text.png")).has_value());
}

TEST_F(PictureFileTest, ExistenceTests)
{
    std::ofstream(dir_ / "f.bin") << "x";
    EXPECT_TRUE(FileExists(Name("f.bin")));
    EXPECT_FALSE(FileExists(dir_.string()));
    EXPECT_TRUE(FolderExists(dir_.string()));
    EXPECT_FALSE(FolderExists(Name("f.bin")));
    EXPECT_FALSE(FileExists(Name("nothing")));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(std::string("f.bin\0x", 7)));
}

TEST_F(PictureFileTest, CyrillicNamesAreWindows1251)
{
    // "Рисунок.png" and a folder "Папка" in Windows-1251 bytes.
    const std::string folder1251 = "\xCF\xE0\xEF\xEA\xE0";
    const std::string leaf1251 = "\xD0\xE8\xF1\xF3\xED\xEE\xEA.png";
    fs::create_directories(dir_ / fs::u8path("Папка"));
    const std::string name = dir_.string() + "/" + folder1251 + "/" + leaf1251;
    EXPECT_TRUE(FolderExists(dir_.string() + "/" + folder1251));
    ASSERT_TRUE(SavePictureFile(name, ColourPicture()));
    EXPECT_TRUE(fs::exists(dir_ / fs::u8path("Папка") / fs::u8path("Рисунок.png")));
    EXPECT_TRUE(FileExists(name));
    EXPECT_TRUE(SamePixels(*LoadPictureFile(name), ColourPicture()));
}

TEST_F(PictureFileTest, LayerFilesAndLayeredPictures)
{
    std::vector<Layer> layers(2);
    layers[0].picture = ColourPicture();
    layers[1].picture = AlphaPicture();
    layers[1].posX = 5;
    SaveLayerFile(Name("l.lyr"), layers, 1);
    const auto doc = LoadLayerFile(Name("l.lyr"));
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(doc->layers.size(), 2u);
    EXPECT_EQ(doc->currentIndex, 1);
    EXPECT_EQ(doc->layers[1].posX, 5);

    ASSERT_TRUE(SavePictureFile(Name("p.png"), ColourPicture()));
    EXPECT_FALSE(LoadLayerFile(Name("p.png")).has_value()) << "a plain picture has no layer-file signature";
    const auto one = LoadLayeredPictureFile(Name("p.png"));
    ASSERT_TRUE(one.has_value());
    ASSERT_EQ(one->size(), 1u);
    EXPECT_TRUE(SamePixels((*one)[0].picture, ColourPicture()));
}

} // namespace
} // namespace ix::gfx::codecs
