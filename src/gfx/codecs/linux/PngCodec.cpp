#include "gfx/GfxError.h"
#include "gfx/codecs/DecodeSupport.h"
#include "gfx/codecs/linux/LibraryCodecs.h"

#include <png.h>

#include <array>
#include <cmath>
#include <csetjmp>
#include <cstring>
#include <string>

namespace ix::gfx::codecs {

namespace {

// libpng reports errors by longjmp to the frame that called setjmp. Those frames
// (ReadHeader, ReadRows, WriteAll) hold only trivially destructible locals; everything
// with a destructor lives in their callers, so a jump skips no destructor.
struct Failure {
    char message[200] = "";
};

void OnError(png_structp png, png_const_charp message)
{
    auto* failure = static_cast<Failure*>(png_get_error_ptr(png));
    std::snprintf(failure->message, sizeof failure->message, "%s", message ? message : "error");
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

struct Source {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos;
};

void ReadData(png_structp png, png_bytep out, png_size_t n)
{
    auto* src = static_cast<Source*>(png_get_io_ptr(png));
    if (n > src->size - src->pos) png_error(png, "truncated");
    std::memcpy(out, src->data + src->pos, n);
    src->pos += n;
}

struct Reader {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~Reader() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

enum class Layout { BlackWhite, BlackWhiteInverted, Bgr, Bgra };

struct Header {
    png_uint_32 width = 0, height = 0;
    Layout layout = Layout::Bgr;
    int dpiX = 96, dpiY = 96;
};

bool IsBlackWhitePlte(png_structp png, png_infop info, bool& inverted)
{
    png_colorp plte = nullptr;
    int count = 0;
    if (!png_get_PLTE(png, info, &plte, &count) || count != 2) return false;
    const auto is = [](png_color c, int v) { return c.red == v && c.green == v && c.blue == v; };
    if (is(plte[0], 0) && is(plte[1], 255)) { inverted = false; return true; }
    if (is(plte[0], 255) && is(plte[1], 0)) { inverted = true; return true; }
    return false;
}

int ReadHeader(Reader& r, Source& src, const DecodeLimits& limits, Header& h)
{
    if (setjmp(png_jmpbuf(r.png))) return 1;
    png_set_read_fn(r.png, &src, ReadData);
    const int side = std::min(limits.maxSide, Picture::kMaxSide);
    png_set_user_limits(r.png, static_cast<png_uint_32>(side), static_cast<png_uint_32>(side));
    png_set_chunk_cache_max(r.png, 1000);
    png_set_chunk_malloc_max(r.png, 32u << 20);
    png_read_info(r.png, r.info);
    h.width = png_get_image_width(r.png, r.info);
    h.height = png_get_image_height(r.png, r.info);
    const int colorType = png_get_color_type(r.png, r.info);
    const int depth = png_get_bit_depth(r.png, r.info);
    const bool trns = png_get_valid(r.png, r.info, PNG_INFO_tRNS) != 0;
    png_uint_32 resX = 0, resY = 0;
    int unit = 0;
    if (png_get_pHYs(r.png, r.info, &resX, &resY, &unit) && unit == PNG_RESOLUTION_METER && resX > 0 && resY > 0 &&
        resX < 1000000 && resY < 1000000) {
        h.dpiX = static_cast<int>(std::lround(resX * 0.0254));
        h.dpiY = static_cast<int>(std::lround(resY * 0.0254));
    }
    bool inverted = false;
    if (depth == 1 && !trns && (colorType == PNG_COLOR_TYPE_GRAY ||
                                (colorType == PNG_COLOR_TYPE_PALETTE && IsBlackWhitePlte(r.png, r.info, inverted)))) {
        h.layout = inverted ? Layout::BlackWhiteInverted : Layout::BlackWhite;
    } else {
        png_set_expand(r.png);
        png_set_strip_16(r.png);
        png_set_gray_to_rgb(r.png);
        png_set_bgr(r.png);
        h.layout = (colorType & PNG_COLOR_MASK_ALPHA) || trns ? Layout::Bgra : Layout::Bgr;
    }
    png_set_interlace_handling(r.png);
    png_read_update_info(r.png, r.info);
    return 0;
}

int ReadRows(Reader& r, png_bytep* rows)
{
    if (setjmp(png_jmpbuf(r.png))) return 1;
    png_read_image(r.png, rows);
    png_read_end(r.png, nullptr); // a file cut after its pixel data is still truncated
    return 0;
}

struct Sink {
    Bytes* out;
};

void WriteData(png_structp png, png_bytep data, png_size_t n)
{
    auto* sink = static_cast<Sink*>(png_get_io_ptr(png));
    bool failed = false;
    try {
        sink->out->insert(sink->out->end(), data, data + n);
    } catch (...) {
        failed = true;
    }
    if (failed) png_error(png, "out of memory");
}

void FlushData(png_structp) {}

struct Writer {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~Writer() { png_destroy_write_struct(&png, info ? &info : nullptr); }
};

struct WriteJob {
    png_uint_32 width, height;
    int depth, colorType, level, dpiX, dpiY;
    png_bytep* rows;
};

int WriteAll(Writer& w, Sink& sink, const WriteJob& job)
{
    if (setjmp(png_jmpbuf(w.png))) return 1;
    png_set_write_fn(w.png, &sink, WriteData, FlushData);
    png_set_IHDR(w.png, w.info, job.width, job.height, job.depth, job.colorType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(w.png, job.level);
    png_set_pHYs(w.png, w.info, static_cast<png_uint_32>(std::lround(job.dpiX / 0.0254)),
                 static_cast<png_uint_32>(std::lround(job.dpiY / 0.0254)), PNG_RESOLUTION_METER);
    png_write_info(w.png, w.info);
    if (job.colorType != PNG_COLOR_TYPE_GRAY) png_set_bgr(w.png);
    png_write_image(w.png, job.rows);
    png_write_end(w.png, w.info);
    return 0;
}

} // namespace

std::span<const std::string_view> PngCodec::Extensions() const
{
    static constexpr std::array<std::string_view, 1> kExt{".png"};
    return kExt;
}

bool PngCodec::Matches(ByteView data) const
{
    return data.size() >= 8 && png_sig_cmp(data.data(), 0, 8) == 0;
}

std::vector<Picture> PngCodec::Decode(ByteView data, const DecodeOptions& options) const
{
    Failure failure;
    Reader r;
    r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &failure, OnError, OnWarning);
    if (!r.png) throw GfxError("PNG: out of memory");
    r.info = png_create_info_struct(r.png);
    if (!r.info) throw GfxError("PNG: out of memory");
    Source src{data.data(), data.size(), 0};
    Header h;
    if (ReadHeader(r, src, options.limits, h) != 0) throw GfxError(std::string("PNG: ") + failure.message);
    const bool blackWhite = h.layout == Layout::BlackWhite || h.layout == Layout::BlackWhiteInverted;
    Picture picture = NewPicture(h.width, h.height, blackWhite ? PixelFormat::BlackWhite1 : PixelFormat::Bgr24,
                                 options.limits, "PNG");
    picture.SetDpi(h.dpiX, h.dpiY);
    const std::size_t rowBytes = png_get_rowbytes(r.png, r.info);
    std::vector<png_bytep> rows(static_cast<std::size_t>(picture.Height()));
    std::vector<std::uint8_t> buffer;
    if (h.layout == Layout::Bgra) {
        if (rowBytes != static_cast<std::size_t>(picture.Width()) * 4) throw GfxError("PNG: unexpected row layout");
        buffer.resize(CheckedProduct(rowBytes, static_cast<std::uint64_t>(picture.Height()), "PNG"));
        for (int y = 0; y < picture.Height(); ++y) rows[static_cast<std::size_t>(y)] = buffer.data() + static_cast<std::size_t>(y) * rowBytes;
    } else {
        if (rowBytes != picture.Stride()) throw GfxError("PNG: unexpected row layout");
        for (int y = 0; y < picture.Height(); ++y) rows[static_cast<std::size_t>(y)] = picture.Row(y);
    }
    if (ReadRows(r, rows.data()) != 0) throw GfxError(std::string("PNG: ") + failure.message);

    if (h.layout == Layout::BlackWhiteInverted) {
        for (int y = 0; y < picture.Height(); ++y) {
            std::uint8_t* row = picture.Row(y);
            for (std::size_t i = 0; i < picture.Stride(); ++i) row[i] = static_cast<std::uint8_t>(~row[i]);
        }
    } else if (h.layout == Layout::Bgra) {
        picture.EnsureAlpha(255);
        for (int y = 0; y < picture.Height(); ++y) {
            const std::uint8_t* src4 = rows[static_cast<std::size_t>(y)];
            Bgr* out = picture.BgrRow(y);
            std::uint8_t* a = picture.AlphaRow(y);
            for (int x = 0; x < picture.Width(); ++x, src4 += 4) {
                out[x] = Bgr{src4[0], src4[1], src4[2]};
                a[x] = src4[3];
            }
        }
    }
    std::vector<Picture> result;
    result.push_back(std::move(picture));
    return result;
}

Bytes PngCodec::Encode(const Picture& picture, const EncodeOptions& options) const
{
    if (picture.IsEmpty()) throw GfxError("PNG: empty picture");
    const bool blackWhite = picture.Format() == PixelFormat::BlackWhite1;
    const bool alpha = !blackWhite && HasTransparency(picture);
    std::vector<png_bytep> rows(static_cast<std::size_t>(picture.Height()));
    std::vector<std::uint8_t> buffer;
    if (alpha) {
        const std::size_t rowBytes = static_cast<std::size_t>(picture.Width()) * 4;
        buffer.resize(CheckedProduct(rowBytes, static_cast<std::uint64_t>(picture.Height()), "PNG"));
        for (int y = 0; y < picture.Height(); ++y) {
            std::uint8_t* dst = buffer.data() + static_cast<std::size_t>(y) * rowBytes;
            const Bgr* src = picture.BgrRow(y);
            const std::uint8_t* a = picture.AlphaRow(y);
            for (int x = 0; x < picture.Width(); ++x, dst += 4) {
                dst[0] = src[x].b;
                dst[1] = src[x].g;
                dst[2] = src[x].r;
                dst[3] = a[x];
            }
            rows[static_cast<std::size_t>(y)] = buffer.data() + static_cast<std::size_t>(y) * rowBytes;
        }
    } else {
        // libpng only reads the rows it is given; the cast drops const for its C interface.
        for (int y = 0; y < picture.Height(); ++y) rows[static_cast<std::size_t>(y)] = const_cast<std::uint8_t*>(picture.Row(y));
    }
    Failure failure;
    Writer w;
    w.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &failure, OnError, OnWarning);
    if (!w.png) throw GfxError("PNG: out of memory");
    w.info = png_create_info_struct(w.png);
    if (!w.info) throw GfxError("PNG: out of memory");
    Bytes out;
    Sink sink{&out};
    const WriteJob job{static_cast<png_uint_32>(picture.Width()), static_cast<png_uint_32>(picture.Height()),
                       blackWhite ? 1 : 8,
                       blackWhite ? PNG_COLOR_TYPE_GRAY : alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
                       std::clamp(options.pngCompression, 0, 9), picture.DpiX(), picture.DpiY(), rows.data()};
    if (WriteAll(w, sink, job) != 0) throw GfxError(std::string("PNG: ") + failure.message);
    return out;
}

} // namespace ix::gfx::codecs
