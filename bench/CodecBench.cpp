// Codec.<FORMAT>.<Save|Load>: a 4000 × 3000 24-bit picture encoded to and decoded from
// memory, ours beside the same done directly with the library (libpng, libjpeg-turbo,
// libtiff; for BMP, the header and rows written and read by hand). Both sides use the
// same settings: PNG zlib level 6 with libpng's default filters, JPEG quality 90 with
// libjpeg's defaults, TIFF LZW in libtiff's default strips, BMP 24-bit bottom-up. The
// direct loaders allocate their own pixel buffer, as ours allocates a Picture.
#include "gfx/codecs/Codecs.h"

#include <benchmark/benchmark.h>

#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>

#include <cstring>
#include <vector>

using namespace ix::gfx;
using namespace ix::gfx::codecs;

namespace {

constexpr Size kSize{4000, 3000};

// Smooth gradients with a little texture, so that compressors work as on a photograph.
const Picture& Photo()
{
    static const Picture p = [] {
        Picture pic(kSize);
        std::uint32_t noise = 1;
        for (int y = 0; y < kSize.height; ++y) {
            Bgr* row = pic.BgrRow(y);
            for (int x = 0; x < kSize.width; ++x) {
                noise = noise * 1664525u + 1013904223u;
                const int n = static_cast<int>(noise >> 29);
                row[x] = Bgr{static_cast<std::uint8_t>((x / 16 + n) & 0xFF), static_cast<std::uint8_t>((y / 12 + x / 40) & 0xFF),
                             static_cast<std::uint8_t>(((x + y) / 28 + n) & 0xFF)};
            }
        }
        return pic;
    }();
    return p;
}

const Bytes& Encoded(const char* name)
{
    static std::vector<std::pair<std::string, Bytes>> cache;
    for (auto& [n, b] : cache)
        if (n == name) return b;
    cache.emplace_back(name, *EncodePicture(name, Photo()));
    return cache.back().second;
}

void SaveOurs(benchmark::State& state, const char* name)
{
    const Picture& p = Photo();
    for (auto _ : state) {
        auto bytes = EncodePicture(name, p);
        benchmark::DoNotOptimize(bytes->data());
    }
}

void LoadOurs(benchmark::State& state, const char* name)
{
    const Bytes& bytes = Encoded(name);
    for (auto _ : state) {
        auto picture = DecodePicture(bytes);
        benchmark::DoNotOptimize(picture->Row(0));
    }
}

// ---- libpng directly
void PngWrite(png_structp png, png_bytep data, png_size_t n)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + n);
}
void PngFlush(png_structp) {}

void PngSaveDirect(benchmark::State& state)
{
    const Picture& p = Photo();
    std::vector<png_bytep> rows(static_cast<std::size_t>(p.Height()));
    for (int y = 0; y < p.Height(); ++y) rows[static_cast<std::size_t>(y)] = const_cast<png_bytep>(p.Row(y));
    for (auto _ : state) {
        Bytes out;
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png))) state.SkipWithError("libpng failed");
        png_set_write_fn(png, &out, PngWrite, PngFlush);
        png_set_IHDR(png, info, static_cast<png_uint_32>(p.Width()), static_cast<png_uint_32>(p.Height()), 8, PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_compression_level(png, 6);
        png_write_info(png, info);
        png_set_bgr(png);
        png_write_image(png, rows.data());
        png_write_end(png, info);
        png_destroy_write_struct(&png, &info);
        benchmark::DoNotOptimize(out.data());
    }
}

struct PngSource {
    const Bytes* bytes;
    std::size_t pos;
};
void PngRead(png_structp png, png_bytep out, png_size_t n)
{
    auto* s = static_cast<PngSource*>(png_get_io_ptr(png));
    std::memcpy(out, s->bytes->data() + s->pos, n);
    s->pos += n;
}

void PngLoadDirect(benchmark::State& state)
{
    const Bytes& bytes = Encoded("a.png");
    for (auto _ : state) {
        PngSource src{&bytes, 0};
        png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png))) state.SkipWithError("libpng failed");
        png_set_read_fn(png, &src, PngRead);
        png_read_info(png, info);
        png_set_bgr(png);
        png_read_update_info(png, info);
        const std::size_t rowBytes = png_get_rowbytes(png, info);
        const png_uint_32 h = png_get_image_height(png, info);
        std::vector<std::uint8_t> pixels(rowBytes * h);
        std::vector<png_bytep> rows(h);
        for (png_uint_32 y = 0; y < h; ++y) rows[y] = pixels.data() + y * rowBytes;
        png_read_image(png, rows.data());
        png_read_end(png, nullptr);
        png_destroy_read_struct(&png, &info, nullptr);
        benchmark::DoNotOptimize(pixels.data());
    }
}

// ---- libjpeg-turbo directly
void JpegSaveDirect(benchmark::State& state)
{
    const Picture& p = Photo();
    for (auto _ : state) {
        jpeg_compress_struct c{};
        jpeg_error_mgr err{};
        c.err = jpeg_std_error(&err);
        jpeg_create_compress(&c);
        unsigned char* buffer = nullptr;
        unsigned long size = 0;
        jpeg_mem_dest(&c, &buffer, &size);
        c.image_width = static_cast<JDIMENSION>(p.Width());
        c.image_height = static_cast<JDIMENSION>(p.Height());
        c.input_components = 3;
        c.in_color_space = JCS_EXT_BGR;
        jpeg_set_defaults(&c);
        jpeg_set_quality(&c, 90, TRUE);
        jpeg_start_compress(&c, TRUE);
        while (c.next_scanline < c.image_height) {
            JSAMPROW row = const_cast<JSAMPROW>(p.Row(static_cast<int>(c.next_scanline)));
            jpeg_write_scanlines(&c, &row, 1);
        }
        jpeg_finish_compress(&c);
        jpeg_destroy_compress(&c);
        Bytes out(buffer, buffer + size); // ours hands back a vector too
        std::free(buffer);
        benchmark::DoNotOptimize(out.data());
    }
}

void JpegLoadDirect(benchmark::State& state)
{
    const Bytes& bytes = Encoded("a.jpg");
    for (auto _ : state) {
        jpeg_decompress_struct d{};
        jpeg_error_mgr err{};
        d.err = jpeg_std_error(&err);
        jpeg_create_decompress(&d);
        jpeg_mem_src(&d, bytes.data(), static_cast<unsigned long>(bytes.size()));
        jpeg_read_header(&d, TRUE);
        d.out_color_space = JCS_EXT_BGR;
        jpeg_start_decompress(&d);
        const std::size_t stride = static_cast<std::size_t>(d.output_width) * 3;
        std::vector<std::uint8_t> pixels(stride * d.output_height);
        while (d.output_scanline < d.output_height) {
            JSAMPROW row = pixels.data() + d.output_scanline * stride;
            jpeg_read_scanlines(&d, &row, 1);
        }
        jpeg_finish_decompress(&d);
        jpeg_destroy_decompress(&d);
        benchmark::DoNotOptimize(pixels.data());
    }
}

// ---- libtiff directly (memory file)
struct TiffMemory {
    Bytes* out = nullptr;
    const Bytes* in = nullptr;
    toff_t pos = 0;
};
tmsize_t TRead(thandle_t h, void* buf, tmsize_t n)
{
    auto* m = static_cast<TiffMemory*>(h);
    const Bytes& b = m->in ? *m->in : *m->out;
    const auto take = static_cast<tmsize_t>(std::min<toff_t>(static_cast<toff_t>(n), b.size() - std::min<toff_t>(m->pos, b.size())));
    std::memcpy(buf, b.data() + m->pos, static_cast<std::size_t>(take));
    m->pos += static_cast<toff_t>(take);
    return take;
}
tmsize_t TWrite(thandle_t h, void* buf, tmsize_t n)
{
    auto* m = static_cast<TiffMemory*>(h);
    if (m->pos + static_cast<toff_t>(n) > m->out->size()) m->out->resize(m->pos + static_cast<toff_t>(n));
    std::memcpy(m->out->data() + m->pos, buf, static_cast<std::size_t>(n));
    m->pos += static_cast<toff_t>(n);
    return n;
}
toff_t TSeek(thandle_t h, toff_t off, int whence)
{
    auto* m = static_cast<TiffMemory*>(h);
    const toff_t size = m->in ? m->in->size() : m->out->size();
    m->pos = whence == SEEK_CUR ? m->pos + off : whence == SEEK_END ? size + off : off;
    return m->pos;
}
int TClose(thandle_t) { return 0; }
toff_t TSize(thandle_t h)
{
    auto* m = static_cast<TiffMemory*>(h);
    return m->in ? m->in->size() : m->out->size();
}
int TMap(thandle_t, void**, toff_t*) { return 0; }
void TUnmap(thandle_t, void*, toff_t) {}

void TiffSaveDirect(benchmark::State& state)
{
    const Picture& p = Photo();
    std::vector<std::uint8_t> line(static_cast<std::size_t>(p.Width()) * 3);
    for (auto _ : state) {
        Bytes out;
        TiffMemory m;
        m.out = &out;
        TIFF* t = TIFFClientOpen("bench", "w", &m, TRead, TWrite, TSeek, TClose, TSize, TMap, TUnmap);
        TIFFSetField(t, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(p.Width()));
        TIFFSetField(t, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(p.Height()));
        TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
        TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 3);
        TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
        TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(t, 0));
        for (int y = 0; y < p.Height(); ++y) {
            const Bgr* row = p.BgrRow(y);
            for (int x = 0; x < p.Width(); ++x) { // TIFF stores RGB: the swap any BGR caller pays
                line[static_cast<std::size_t>(3 * x)] = row[x].r;
                line[static_cast<std::size_t>(3 * x + 1)] = row[x].g;
                line[static_cast<std::size_t>(3 * x + 2)] = row[x].b;
            }
            TIFFWriteScanline(t, line.data(), static_cast<std::uint32_t>(y), 0);
        }
        TIFFWriteDirectory(t);
        TIFFClose(t);
        benchmark::DoNotOptimize(out.data());
    }
}

void TiffLoadDirect(benchmark::State& state)
{
    const Bytes& bytes = Encoded("a.tif");
    for (auto _ : state) {
        TiffMemory m;
        m.in = &bytes;
        TIFF* t = TIFFClientOpen("bench", "rm", &m, TRead, TWrite, TSeek, TClose, TSize, TMap, TUnmap);
        std::uint32_t w = 0, h = 0;
        TIFFGetField(t, TIFFTAG_IMAGEWIDTH, &w);
        TIFFGetField(t, TIFFTAG_IMAGELENGTH, &h);
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(w) * 3 * h);
        std::vector<std::uint8_t> line(static_cast<std::size_t>(TIFFScanlineSize(t)));
        for (std::uint32_t y = 0; y < h; ++y) {
            TIFFReadScanline(t, line.data(), y, 0);
            std::uint8_t* dst = pixels.data() + static_cast<std::size_t>(y) * w * 3;
            for (std::uint32_t x = 0; x < w; ++x) {
                dst[3 * x] = line[3 * x + 2];
                dst[3 * x + 1] = line[3 * x + 1];
                dst[3 * x + 2] = line[3 * x];
            }
        }
        TIFFClose(t);
        benchmark::DoNotOptimize(pixels.data());
    }
}

// ---- BMP by hand: header and bottom-up padded rows
void BmpSaveDirect(benchmark::State& state)
{
    const Picture& p = Photo();
    const std::size_t stride = (static_cast<std::size_t>(p.Width()) * 3 + 3) & ~std::size_t{3};
    for (auto _ : state) {
        Bytes out(54 + stride * static_cast<std::size_t>(p.Height()), 0);
        out[0] = 'B';
        out[1] = 'M';
        const auto put32 = [&](std::size_t at, std::uint32_t v) { std::memcpy(out.data() + at, &v, 4); };
        put32(2, static_cast<std::uint32_t>(out.size()));
        put32(10, 54);
        put32(14, 40);
        put32(18, static_cast<std::uint32_t>(p.Width()));
        put32(22, static_cast<std::uint32_t>(p.Height()));
        out[26] = 1;
        out[28] = 24;
        for (int y = 0; y < p.Height(); ++y)
            std::memcpy(out.data() + 54 + static_cast<std::size_t>(p.Height() - 1 - y) * stride, p.Row(y), static_cast<std::size_t>(p.Width()) * 3);
        benchmark::DoNotOptimize(out.data());
    }
}

void BmpLoadDirect(benchmark::State& state)
{
    const Bytes& bytes = Encoded("a.bmp");
    for (auto _ : state) {
        std::int32_t w = 0, h = 0;
        std::uint32_t offset = 0;
        std::memcpy(&offset, bytes.data() + 10, 4);
        std::memcpy(&w, bytes.data() + 18, 4);
        std::memcpy(&h, bytes.data() + 22, 4);
        const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) & ~std::size_t{3};
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(w) * 3 * static_cast<std::size_t>(h));
        for (std::int32_t y = 0; y < h; ++y)
            std::memcpy(pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w) * 3,
                        bytes.data() + offset + static_cast<std::size_t>(h - 1 - y) * stride, static_cast<std::size_t>(w) * 3);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void Register(const char* format, const char* file, const char* library, void (*saveDirect)(benchmark::State&),
              void (*loadDirect)(benchmark::State&))
{
    const std::string base = std::string("Codec.") + format;
    benchmark::RegisterBenchmark((base + ".Save/ours").c_str(), SaveOurs, file)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((base + ".Save/" + library).c_str(), saveDirect)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((base + ".Load/ours").c_str(), LoadOurs, file)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((base + ".Load/" + library).c_str(), loadDirect)->Unit(benchmark::kMillisecond);
}

const int kRegistered = [] {
    Register("PNG", "a.png", "libpng", PngSaveDirect, PngLoadDirect);
    Register("JPEG", "a.jpg", "libjpeg", JpegSaveDirect, JpegLoadDirect);
    Register("TIFF", "a.tif", "libtiff", TiffSaveDirect, TiffLoadDirect);
    Register("BMP", "a.bmp", "direct", BmpSaveDirect, BmpLoadDirect);
    return 0;
}();

} // namespace
