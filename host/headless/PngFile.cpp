#include "host/PngFile.h"

#include "host/ScriptError.h"
#include "host/Text.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

namespace ix::host {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// libpng reports errors by longjmp; this function holds no object with a destructor
// across that jump.
bool Encode(std::FILE* file, const RgbaImage& image, std::vector<png_bytep>& rows)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

void WritePng(const std::string& path, const RgbaImage& image, int line)
{
    if (image.width <= 0 || image.height <= 0) throw ScriptError(line, "nothing to write: the picture is empty");
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(ToUtf8(path).c_str(), "wb"));
    if (!file) throw ScriptError(line, "cannot write " + ToUtf8(path));
    std::vector<png_bytep> rows(static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) rows[y] = const_cast<png_bytep>(image.Pixel(0, y));
    if (!Encode(file.get(), image, rows) || std::fflush(file.get()) != 0)
        throw ScriptError(line, "cannot write " + ToUtf8(path));
}

} // namespace ix::host
