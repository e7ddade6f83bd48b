// Files with several images: the first image by default, every image on request.
#include "CodecTestSupport.h"

#include "gfx/codecs/BmpCodec.h"
#include "gfx/codecs/ByteWriter.h"
#include "gfx/codecs/Codecs.h"

#include <gif_lib.h>
#include <tiffio.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace ix::gfx::codecs {
namespace {

using namespace testing;

Picture Solid(Color c, int w = 9, int h = 7) { return Picture(Size{w, h}, c); }

const Picture kFirst = Solid(colors::Red);
const Picture kSecond = Solid(Color::FromRgb(10, 200, 30));

Bytes Dcx(const std::vector<Picture>& pages)
{
    Bytes out;
    ByteWriter w(out);
    w.U32LE(0x3ADE68B1);
    std::vector<Bytes> encoded;
    for (const auto& p : pages) encoded.push_back(*EncodePicture("p.pcx", p));
    std::uint32_t offset = static_cast<std::uint32_t>(4 + 4 * (pages.size() + 1));
    for (const auto& e : encoded) {
        w.U32LE(offset);
        offset += static_cast<std::uint32_t>(e.size());
    }
    w.U32LE(0);
    for (const auto& e : encoded) w.Append(e);
    return out;
}

Bytes Ico(const std::vector<Picture>& images)
{
    std::vector<Bytes> dibs;
    for (const auto& p : images) dibs.push_back(EncodeDib(p, true));
    Bytes out;
    ByteWriter w(out);
    w.U16LE(0);
    w.U16LE(1);
    w.U16LE(static_cast<unsigned>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        w.U8(static_cast<unsigned>(images[i].Width()));
        w.U8(static_cast<unsigned>(images[i].Height()));
        w.U16LE(0);
        w.U16LE(1);
        w.U16LE(32);
        w.U32LE(static_cast<std::uint32_t>(dibs[i].size()));
        w.U32LE(offset);
        offset += static_cast<std::uint32_t>(dibs[i].size());
    }
    for (const auto& d : dibs) w.Append(d);
    return out;
}

Bytes Pnm(const std::vector<Picture>& images)
{
    Bytes out;
    for (const auto& p : images) {
        const Bytes one = *EncodePicture("p.ppm", p);
        out.insert(out.end(), one.begin(), one.end());
    }
    return out;
}

Bytes ReadAll(const std::filesystem::path& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    Bytes bytes(std::filesystem::file_size(path));
    EXPECT_EQ(std::fread(bytes.data(), 1, bytes.size(), f), bytes.size());
    std::fclose(f);
    return bytes;
}

// Two full-screen frames, the second drawn with a local colour table.
Bytes Gif(const std::vector<Picture>& frames)
{
    const auto path = std::filesystem::temp_directory_path() / ("ixcodecs_multi_" + std::to_string(::getpid()) + ".gif");
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
    EXPECT_NE(gif, nullptr);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, frames[0].Width(), frames[0].Height(), 8, 0, nullptr);
    for (const auto& f : frames) {
        GifColorType colours[2] = {{f.GetPixel({0, 0}).R(), f.GetPixel({0, 0}).G(), f.GetPixel({0, 0}).B()}, {0, 0, 0}};
        ColorMapObject* map = GifMakeMapObject(2, colours);
        EGifPutImageDesc(gif, 0, 0, f.Width(), f.Height(), false, map);
        std::vector<GifPixelType> line(static_cast<std::size_t>(f.Width()), 0);
        for (int y = 0; y < f.Height(); ++y) EGifPutLine(gif, line.data(), f.Width());
        GifFreeMapObject(map);
    }
    EGifCloseFile(gif, &error);
    Bytes bytes = ReadAll(path);
    std::filesystem::remove(path);
    return bytes;
}

Bytes Tiff(const std::vector<Picture>& pages)
{
    const auto path = std::filesystem::temp_directory_path() / ("ixcodecs_multi_" + std::to_string(::getpid()) + ".tif");
    TIFF* t = TIFFOpen(path.c_str(), "w");
    EXPECT_NE(t, nullptr);
    for (const auto& p : pages) {
        TIFFSetField(t, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(p.Width()));
        TIFFSetField(t, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(p.Height()));
        TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
        TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 3);
        TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        std::vector<std::uint8_t> line(static_cast<std::size_t>(p.Width()) * 3);
        for (int y = 0; y < p.Height(); ++y) {
            for (int x = 0; x < p.Width(); ++x) {
                const Color c = p.GetPixel({x, y});
                line[static_cast<std::size_t>(3 * x)] = c.R();
                line[static_cast<std::size_t>(3 * x + 1)] = c.G();
                line[static_cast<std::size_t>(3 * x + 2)] = c.B();
            }
            TIFFWriteScanline(t, line.data(), static_cast<std::uint32_t>(y), 0);
        }
        TIFFWriteDirectory(t);
    }
    TIFFClose(t);
    Bytes bytes = ReadAll(path);
    std::filesystem::remove(path);
    return bytes;
}

struct MultiCase {
    const char* name;
    Bytes (*make)(const std::vector<Picture>&);
};

class MultiFrame : public ::testing::TestWithParam<MultiCase> {};

TEST_P(MultiFrame, FirstImageByDefaultAndEveryImageOnRequest)
{
    const Bytes bytes = GetParam().make({kFirst, kSecond});
    const auto first = DecodePicture(bytes);
    ASSERT_TRUE(first.has_value());
    EXPECT_TRUE(SamePixels(*first, kFirst));

    DecodeOptions all;
    all.allFrames = true;
    const auto frames = DecodePictures(bytes, all);
    ASSERT_TRUE(frames.has_value());
    ASSERT_EQ(frames->size(), 2u);
    EXPECT_TRUE(SamePixels((*frames)[0], kFirst));
    EXPECT_TRUE(SamePixels((*frames)[1], kSecond));

    all.limits.maxFrames = 1;
    EXPECT_EQ(DecodePictures(bytes, all)->size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Containers, MultiFrame,
                         ::testing::Values(MultiCase{"dcx", Dcx}, MultiCase{"ico", Ico}, MultiCase{"pnm", Pnm},
                                           MultiCase{"gif", Gif}, MultiCase{"tiff", Tiff}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ix::gfx::codecs
