// The file actions, ids 108 to 111, through the entry points: pictures and layer files
// written by the test byte by byte, loaded into a canvas, saved again and read back.
#include "blackbox/ScriptHost.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using ixtest::Rgb;
using ixtest::ScriptHost;

enum Id {
    kCreate = 1,
    kCreateFile = 3,
    kBackground = 5,
    kGetZoom = 11,
    kSetZoom = 13,
    kLoadFile = 108,
    kLayersLoadFile = 109,
    kSaveFile = 110,
    kSaveMerged = 111,
};

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kWhite{255, 255, 255};

// A picture as rows of colours, top row first.
struct Image {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    Rgb At(int x, int y) const { return pixels.at(static_cast<std::size_t>(y * width + x)); }
    friend bool operator==(const Image&, const Image&) = default;
};

Image Filled(int w, int h, Rgb c) { return {w, h, std::vector<Rgb>(static_cast<std::size_t>(w * h), c)}; }

using Bytes = std::vector<unsigned char>;

void Put16(Bytes& b, unsigned v) { b.push_back(v & 0xFF); b.push_back((v >> 8) & 0xFF); }
void Put32(Bytes& b, std::uint32_t v) { Put16(b, v & 0xFFFF); Put16(b, v >> 16); }
unsigned Get16(const Bytes& b, std::size_t at) { return b.at(at) | (b.at(at + 1) << 8); }
std::int32_t Get32(const Bytes& b, std::size_t at)
{
    return static_cast<std::int32_t>(Get16(b, at) | (static_cast<std::uint32_t>(Get16(b, at + 2)) << 16));
}
void PutBgrRows(Bytes& b, const Image& img, bool bottomUp, std::size_t rowPad)
{
    for (int r = 0; r < img.height; ++r) {
        const int y = bottomUp ? img.height - 1 - r : r;
        for (int x = 0; x < img.width; ++x) {
            const Rgb c = img.At(x, y);
            b.push_back(static_cast<unsigned char>(c.b));
            b.push_back(static_cast<unsigned char>(c.g));
            b.push_back(static_cast<unsigned char>(c.r));
        }
        b.insert(b.end(), rowPad, 0);
    }
}

// An uncompressed 24-bit Windows bitmap.
Bytes Bmp(const Image& img)
{
    const std::size_t pad = (4 - (img.width * 3) % 4) % 4;
    const std::uint32_t data = static_cast<std::uint32_t>((img.width * 3 + pad) * img.height);
    Bytes b{'B', 'M'};
    Put32(b, 54 + data); Put32(b, 0); Put32(b, 54);
    Put32(b, 40); Put32(b, img.width); Put32(b, img.height); Put16(b, 1); Put16(b, 24);
    Put32(b, 0); Put32(b, data); Put32(b, 2835); Put32(b, 2835); Put32(b, 0); Put32(b, 0);
    PutBgrRows(b, img, true, pad);
    return b;
}

// Reads an uncompressed 24- or 32-bit bitmap; an empty image for anything else.
Image ReadBmp(const Bytes& b)
{
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return {};
    const std::int32_t offset = Get32(b, 10), w = Get32(b, 18), h = Get32(b, 22);
    const unsigned bits = Get16(b, 28);
    if ((bits != 24 && bits != 32) || Get32(b, 30) != 0 || w <= 0 || h == 0) return {};
    const int height = h < 0 ? -h : h;
    const std::size_t bpp = bits / 8, stride = (w * bpp + 3) / 4 * 4;
    Image img{w, height, {}};
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + stride * static_cast<std::size_t>(h < 0 ? y : height - 1 - y);
        for (int x = 0; x < w; ++x) {
            const std::size_t p = row + x * bpp;
            img.pixels.push_back({b.at(p + 2), b.at(p + 1), b.at(p)});
        }
    }
    return img;
}

struct LayerSpec {
    Image picture;
    int x = 0, y = 0;
    bool visible = true;
};

// A layer file: signature "IXLAYERS", version 1, raw 24-bit rows, no alpha.
Bytes LayerFile(const std::vector<LayerSpec>& layers, int current)
{
    Bytes b{'I', 'X', 'L', 'A', 'Y', 'E', 'R', 'S'};
    Put16(b, 1); Put16(b, 0); Put32(b, static_cast<std::uint32_t>(layers.size())); Put32(b, current);
    for (const LayerSpec& l : layers) {
        Put32(b, l.x); Put32(b, l.y); Put32(b, 0); Put32(b, 0);
        b.push_back(l.visible ? 1 : 0); b.push_back(0); b.push_back(0); b.push_back(0);
        Put32(b, 255);
        b.insert(b.end(), 8, 0); // rotation 0.0
        Put32(b, l.picture.width); Put32(b, l.picture.height); Put32(b, 96); Put32(b, 96);
        b.push_back(0); b.push_back(0); Put16(b, 0);
        Put32(b, static_cast<std::uint32_t>(l.picture.width * l.picture.height * 3)); Put32(b, 0);
        PutBgrRows(b, l.picture, false, 0);
    }
    return b;
}

void WriteFile(const fs::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A bottom layer of 4 x 3 red and a 2 x 2 blue layer at 3,2 reaching past it (current).
const Image kBottom = Filled(4, 3, kRed);
const Image kTop = Filled(2, 2, kBlue);

class FileActions : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/ixfiles.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        host.AddRectangle("R", 300, 200);
        ASSERT_TRUE(host.Exec(kCreate, {"R"}));
        ASSERT_TRUE(host.Exec(kCreateFile, {"R", "20", "10", ""}));
        ASSERT_TRUE(host.Exec(kBackground, {"R", "0,255,0", "Solid"}));
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    std::string Name(const std::string& leaf) const { return (dir / leaf).string(); }
    // The current layer's picture and the merged picture, as the save actions write them.
    Image Current(const std::string& canvas = "R")
    {
        const std::string out = Name("current.bmp");
        EXPECT_TRUE(host.Exec(kSaveFile, {canvas, out}));
        return ReadBmp(ReadFile(out));
    }
    Image Merged(const std::string& canvas = "R")
    {
        const std::string out = Name("merged.bmp");
        EXPECT_TRUE(host.Exec(kSaveMerged, {canvas, out}));
        return ReadBmp(ReadFile(out));
    }
    void LoadTwoLayers()
    {
        WriteFile(dir / "two.lyr", LayerFile({{kBottom, 0, 0}, {kTop, 3, 2}}, 1));
        ASSERT_TRUE(host.Exec(kLayersLoadFile, {"R", Name("two.lyr")}));
    }
    fs::path dir;
    ScriptHost host;
};

TEST_F(FileActions, NoCanvasOfThatNameFailsAndWritesNothing)
{
    WriteFile(dir / "pic.bmp", Bmp(kBottom));
    WriteFile(dir / "two.lyr", LayerFile({{kBottom, 0, 0}}, 0));
    const struct { Id id; std::string file; } cases[] = {
        {kLoadFile, Name("pic.bmp")},
        {kLayersLoadFile, Name("two.lyr")},
        {kSaveFile, Name("out1.bmp")},
        {kSaveMerged, Name("out2.bmp")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_FALSE(host.Exec(c.id, {"Nope", c.file}));
        EXPECT_FALSE(host.Exec(c.id, {"", c.file}));
    }
    EXPECT_FALSE(fs::exists(dir / "out1.bmp"));
    EXPECT_FALSE(fs::exists(dir / "out2.bmp"));
    EXPECT_EQ(Current(), Filled(20, 10, kWhite)); // the canvas was not touched either
}

TEST_F(FileActions, LoadsThatFindNoPictureSucceedAndChangeNothing)
{
    WriteFile(dir / "text.bmp", Bytes{'h', 'e', 'l', 'l', 'o'}); // no format's signature
    fs::create_directory(dir / "folder.bmp");
    const std::string cases[] = {Name("missing.bmp"), Name("text.bmp"), Name("folder.bmp"), ""};
    for (Id id : {kLoadFile, kLayersLoadFile})
        for (const std::string& file : cases) {
            SCOPED_TRACE(file);
            EXPECT_TRUE(host.Exec(id, {"R", file}));
            EXPECT_EQ(Current(), Filled(20, 10, kWhite));
        }
}

TEST_F(FileActions, AMalformedKnownFormatFailsAndKeepsThePicture)
{
    Bytes broken = Bmp(Filled(8, 8, kRed));
    broken.resize(60); // header promises 8 rows, the file ends after a few bytes
    WriteFile(dir / "broken.bmp", broken);
    Bytes brokenLayers = LayerFile({{kBottom, 0, 0}, {kTop, 3, 2}}, 1);
    brokenLayers.resize(brokenLayers.size() - 5);
    WriteFile(dir / "broken.lyr", brokenLayers);

    EXPECT_FALSE(host.Exec(kLoadFile, {"R", Name("broken.bmp")}));
    EXPECT_FALSE(host.Exec(kLayersLoadFile, {"R", Name("broken.lyr")}));
    EXPECT_EQ(Merged(), Filled(20, 10, kWhite));
}

TEST_F(FileActions, LoadReplacesThePictureAndKeepsTheViewSettings)
{
    ASSERT_TRUE(host.Exec(kSetZoom, {"R", "200"}));
    WriteFile(dir / "pic.bmp", Bmp(kBottom));
    ASSERT_TRUE(host.Exec(kLoadFile, {"R", Name("pic.bmp")}));
    EXPECT_EQ(Current(), kBottom);
    ASSERT_TRUE(host.Exec(kGetZoom, {"R", "Z"}));
    EXPECT_EQ(host.Variable("Z"), "200");
}

TEST_F(FileActions, SavePicksTheFormatByExtensionAndWritesNothingForAnUnknownOne)
{
    Image picture = Filled(5, 3, kRed);
    picture.pixels[1] = kBlue;  // (1, 0)
    picture.pixels[13] = kGreen; // (3, 2)
    WriteFile(dir / "pic.bmp", Bmp(picture));
    ASSERT_TRUE(host.Exec(kLoadFile, {"R", Name("pic.bmp")}));

    for (Id id : {kSaveFile, kSaveMerged}) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(host.Exec(id, {"R", Name("out.png")}));
        ASSERT_TRUE(host.Exec(id, {"R", Name("out.bmp")}));
        const Bytes png = ReadFile(dir / "out.png");
        ASSERT_GE(png.size(), 24u);
        EXPECT_EQ(Bytes(png.begin(), png.begin() + 8), (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
        EXPECT_EQ(Get32(Bytes{png[19], png[18], png[17], png[16]}, 0), 5); // IHDR width, big-endian
        EXPECT_EQ(ReadBmp(ReadFile(dir / "out.bmp")), picture);

        // The PNG holds the same pixels: loaded into a second canvas, it saves the same.
        const std::string second = "S" + std::to_string(id);
        host.AddRectangle(second, 100, 100);
        ASSERT_TRUE(host.Exec(kCreate, {second}));
        ASSERT_TRUE(host.Exec(kLoadFile, {second, Name("out.png")}));
        EXPECT_EQ(Current(second), picture);

        // No codec writes ".qqq" or a name without extension: no file, no failure.
        EXPECT_TRUE(host.Exec(id, {"R", Name("out.qqq")}));
        EXPECT_TRUE(host.Exec(id, {"R", Name("noextension")}));
        EXPECT_FALSE(fs::exists(dir / "out.qqq"));
        EXPECT_FALSE(fs::exists(dir / "noextension"));
        fs::remove(dir / "out.png");
        fs::remove(dir / "out.bmp");
    }
}

TEST_F(FileActions, SaveIntoAMissingFolderFails)
{
    for (Id id : {kSaveFile, kSaveMerged}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(host.Exec(id, {"R", Name("missing/out.bmp")}));
        EXPECT_FALSE(host.Exec(id, {"R", Name("missing/out.png")}));
        EXPECT_FALSE(fs::exists(dir / "missing"));
        // The canvas still works afterwards.
        EXPECT_EQ(Merged(), Filled(20, 10, kWhite));
    }
}

TEST_F(FileActions, SeveralLayersSaveTheCurrentOneOrTheirComposition)
{
    LoadTwoLayers();
    EXPECT_EQ(Current(), kTop);

    // Large enough for both layers: 5 x 4, background colour where no layer lies.
    const Image merged = Merged();
    ASSERT_EQ(merged.width, 5);
    ASSERT_EQ(merged.height, 4);
    const struct { int x, y; Rgb colour; } expected[] = {
        {0, 0, kRed}, {3, 0, kRed}, {2, 2, kRed}, {3, 2, kBlue}, {4, 3, kBlue},
        {4, 0, kGreen}, {0, 3, kGreen}, {2, 3, kGreen},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(testing::Message() << e.x << "," << e.y);
        EXPECT_EQ(merged.At(e.x, e.y), e.colour);
    }
    // Saving merged leaves the layers as they were.
    EXPECT_EQ(Current(), kTop);
}

TEST_F(FileActions, LayerFileRoundTripKeepsPlacementVisibilityAndCurrentLayer)
{
    const Image small = Filled(1, 1, kWhite);
    WriteFile(dir / "three.lyr", LayerFile({{kBottom, 0, 0}, {kTop, 1, 1}, {small, 0, 0, false}}, 0));
    ASSERT_TRUE(host.Exec(kLayersLoadFile, {"R", Name("three.lyr")}));
    EXPECT_EQ(Current(), kBottom); // the stored current layer

    Image expected = kBottom;
    for (int y = 1; y < 3; ++y)
        for (int x = 1; x < 3; ++x) expected.pixels[static_cast<std::size_t>(y * 4 + x)] = kBlue;
    EXPECT_EQ(Merged(), expected); // the hidden white layer does not show

    // Loading another layer file replaces all of them.
    WriteFile(dir / "one.lyr", LayerFile({{kTop, 0, 0}}, 0));
    ASSERT_TRUE(host.Exec(kLayersLoadFile, {"R", Name("one.lyr")}));
    EXPECT_EQ(Merged(), kTop);
}

TEST_F(FileActions, APlainPictureGivenAsLayerFileChangesNothing)
{
    LoadTwoLayers();
    const Image before = Merged();
    WriteFile(dir / "pic.bmp", Bmp(Filled(7, 7, kWhite)));
    EXPECT_TRUE(host.Exec(kLayersLoadFile, {"R", Name("pic.bmp")}));
    EXPECT_EQ(Merged(), before);
    EXPECT_EQ(Current(), kTop);
}

TEST_F(FileActions, LoadWithSeveralLayersGoesIntoTheCurrentLayer)
{
    LoadTwoLayers();
    WriteFile(dir / "pic.bmp", Bmp(Filled(1, 1, kWhite)));
    ASSERT_TRUE(host.Exec(kLoadFile, {"R", Name("pic.bmp")}));
    EXPECT_EQ(Current(), Filled(1, 1, kWhite));
    const Image merged = Merged();
    ASSERT_EQ(merged.width, 4);
    ASSERT_EQ(merged.height, 3);
    EXPECT_EQ(merged.At(3, 2), kWhite); // the new top layer, still at 3,2
    EXPECT_EQ(merged.At(0, 0), kRed);
}

TEST_F(FileActions, CyrillicFileNamesSaveAndLoad)
{
    // "Холст.bmp" as the host gives it (Windows-1251); on disk it is UTF-8.
    const std::string hostName = Name(ixtest::kCyrillicTitle + ".bmp");
    const fs::path diskName = dir / fs::path(u8"Холст.bmp");
    WriteFile(dir / "pic.bmp", Bmp(kBottom));
    ASSERT_TRUE(host.Exec(kLoadFile, {"R", Name("pic.bmp")}));
    ASSERT_TRUE(host.Exec(kSaveFile, {"R", hostName}));
    ASSERT_TRUE(fs::exists(diskName));
    EXPECT_EQ(ReadBmp(ReadFile(diskName)), kBottom);

    WriteFile(diskName, Bmp(kTop));
    ASSERT_TRUE(host.Exec(kLoadFile, {"R", hostName}));
    EXPECT_EQ(Current(), kTop);
}

} // namespace
