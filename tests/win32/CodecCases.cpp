// The codecs on Windows: WIC round trips (PNG, TIFF, JPEG, GIF), the format the encoder
// accepted read back, our own formats, and Windows-1251 file names through the
// wide-character API. These cases link the image layer directly.
#include "win32/Harness.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/Codecs.h"
#include "gfx/codecs/FileSystem.h"
#include "gfx/codecs/PictureFile.h"

#include <windows.h>

#include <cstdlib>
#include <string>

using namespace ix::gfx;
using namespace ix::gfx::codecs;

namespace {

Picture Colours(bool alpha, int colours = 0)
{
    Picture p(Size{23, 17});
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            const int k = colours ? (x / 3 + y / 2) % colours : x * 31 + y * 7;
            p.SetPixel({x, y}, Color::FromRgb(k * 37 % 256, (255 - k * 20) & 0xFF, k * 90 % 256));
        }
    if (alpha) {
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x) {
                const int a = (x * 255 / 22 + y) % 256;
                p.SetAlpha({x, y}, static_cast<std::uint8_t>(colours ? (a < 128 ? 0 : 255) : a));
            }
    }
    return p;
}

Picture Smooth()
{
    Picture p(Size{48, 32});
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) p.SetPixel({x, y}, Color::FromRgb(x * 5, y * 8, 128));
    return p;
}

bool SamePixels(const Picture& a, const Picture& b)
{
    if (a.GetSize() != b.GetSize()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            if (a.GetAlpha({x, y}) != b.GetAlpha({x, y})) return false;
            if (a.GetAlpha({x, y}) != 0 && a.GetPixel({x, y}) != b.GetPixel({x, y})) return false;
        }
    return true;
}

int MaxDifference(const Picture& a, const Picture& b)
{
    int worst = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            const Color p = a.GetPixel({x, y}), q = b.GetPixel({x, y});
            worst = std::max({worst, std::abs(p.R() - q.R()), std::abs(p.G() - q.G()), std::abs(p.B() - q.B())});
        }
    return worst;
}

Picture Trip(const char* name, const Picture& p, Format expected, const EncodeOptions& options = {})
{
    const auto bytes = EncodePicture(name, p, options);
    IX_CHECK(bytes.has_value());
    if (!bytes) return {};
    const Codec* codec = CodecForContent(*bytes);
    IX_CHECK(codec != nullptr && codec->Kind() == expected);
    const auto back = DecodePicture(*bytes);
    IX_CHECK(back.has_value());
    return back ? *back : Picture();
}

std::string TempFolder()
{
    wchar_t path[MAX_PATH];
    GetTempPathW(MAX_PATH, path);
    std::string narrow;
    for (const wchar_t* c = path; *c; ++c) narrow.push_back(static_cast<char>(*c)); // the prefix's temp path is ASCII
    return narrow;
}

// Wine's WIC ignores the JPEG quality option and cannot write GIF transparency.
bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

} // namespace

IX_CASE(WicPngAndTiffKeepAlphaExactly)
{
    const Picture original = Colours(true);
    IX_CHECK(SamePixels(Trip("a.png", original, Format::Png), original));
    IX_CHECK(SamePixels(Trip("a.tif", original, Format::Tiff), original));
    const Picture opaque = Colours(false);
    const Picture back = Trip("b.png", opaque, Format::Png);
    IX_CHECK(SamePixels(back, opaque));
    IX_CHECK(!back.HasAlpha());
}

IX_CASE(WicJpegHonoursQuality)
{
    const Picture original = Smooth();
    EncodeOptions low, high;
    low.jpegQuality = 10;
    high.jpegQuality = 95;
    const Picture good = Trip("a.jpg", original, Format::Jpeg, high);
    IX_CHECK(MaxDifference(good, original) <= 12);
    if (!UnderWine()) IX_CHECK(EncodePicture("a.jpg", original, low)->size() < EncodePicture("a.jpg", original, high)->size());
}

IX_CASE(WicGifWithOurPaletteIsExact)
{
    const Picture opaque = Colours(false, 7);
    IX_CHECK(SamePixels(Trip("a.gif", opaque, Format::Gif), opaque));
    const Picture transparent = Colours(true, 7);
    const Picture back = Trip("b.gif", transparent, Format::Gif);
    if (UnderWine()) {
        // The frame comes back opaque; the visible pixels keep their exact colours.
        bool visibleSame = back.GetSize() == transparent.GetSize();
        for (int y = 0; visibleSame && y < back.Height(); ++y)
            for (int x = 0; x < back.Width(); ++x)
                if (transparent.GetAlpha({x, y}) == 255 && back.GetPixel({x, y}) != transparent.GetPixel({x, y})) visibleSame = false;
        IX_CHECK(visibleSame);
    } else {
        IX_CHECK(SamePixels(back, transparent));
    }
}

IX_CASE(WicBlackAndWhiteStaysBlackAndWhite)
{
    Picture bw(Size{21, 11}, colors::White, PixelFormat::BlackWhite1);
    for (int x = 0; x < 21; x += 2) bw.SetPixel({x, 3}, colors::Black);
    for (const char* name : {"a.png", "a.tif"}) {
        const auto back = DecodePicture(*EncodePicture(name, bw));
        IX_CHECK(back.has_value());
        IX_CHECK(MaxDifference(*back, bw) == 0);
    }
}

IX_CASE(OwnFormatsOnWindows)
{
    const Picture original = Colours(true);
    IX_CHECK(SamePixels(Trip("a.bmp", original, Format::Bmp), original));
    IX_CHECK(SamePixels(Trip("a.tga", original, Format::Tga), original));
    IX_CHECK(SamePixels(Trip("a.ico", original, Format::Ico), original));
    const Picture opaque = Colours(false);
    IX_CHECK(SamePixels(Trip("a.pcx", opaque, Format::Pcx), opaque));
}

IX_CASE(CyrillicFileNamesUseTheWideApi)
{
    // "Папка\Рисунок.png" in Windows-1251 bytes.
    const std::string folder = TempFolder() + "\xCF\xE0\xEF\xEA\xE0";
    const std::wstring wideFolder = [&] {
        wchar_t path[MAX_PATH];
        GetTempPathW(MAX_PATH, path);
        return std::wstring(path) + L"\u041F\u0430\u043F\u043A\u0430";
    }();
    CreateDirectoryW(wideFolder.c_str(), nullptr);
    IX_CHECK(FolderExists(folder));
    const std::string name = folder + "\\\xD0\xE8\xF1\xF3\xED\xEE\xEA.png";
    const Picture original = Colours(true);
    IX_CHECK(SavePictureFile(name, original));
    const std::wstring wideName = wideFolder + L"\\\u0420\u0438\u0441\u0443\u043D\u043E\u043A.png";
    IX_CHECK(GetFileAttributesW(wideName.c_str()) != INVALID_FILE_ATTRIBUTES);
    IX_CHECK(FileExists(name));
    IX_CHECK(!FileExists(folder));
    const auto back = LoadPictureFile(name);
    IX_CHECK(back.has_value() && SamePixels(*back, original));
    DeleteFileW(wideName.c_str());
    RemoveDirectoryW(wideFolder.c_str());
}

IX_CASE(SaveIntoAMissingFolderFails)
{
    bool threw = false;
    try {
        SavePictureFile(TempFolder() + "no-such-folder-ix\\a.png", Colours(false));
    } catch (const ix::gfx::GfxError&) {
        threw = true;
    }
    IX_CHECK(threw);
    IX_CHECK(!SavePictureFile(TempFolder() + "a.unknownextension", Colours(false)));
}

