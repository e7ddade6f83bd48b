#include "gfx/GfxError.h"
#include "gfx/codecs/DecodeSupport.h"
#include "gfx/codecs/linux/LibraryCodecs.h"

#include <array>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

namespace ix::gfx::codecs {

namespace {

// A progressive file may declare thousands of scans that each cost a pass over the
// picture; real files have a few dozen.
constexpr int kMaxScans = 500;
constexpr long kMaxMemory = 512L << 20;

// libjpeg reports errors through error_exit, which must not return: it jumps back to
// the setjmp frame of the running stage (ReadHeader, ReadRows, WriteAll). Those frames
// hold only trivially destructible locals.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnErrorExit(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings let a damaged file decode as far as it can, except the end of the data: a
// truncated file is an error, not a picture with a grey bottom.
void OnMessage(j_common_ptr cinfo, int level)
{
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) OnErrorExit(cinfo);
}

void OnProgress(j_common_ptr cinfo)
{
    if (!cinfo->is_decompressor) return;
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > kMaxScans) {
        auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
        std::snprintf(err->message, sizeof err->message, "too many scans");
        std::longjmp(err->jump, 1);
    }
}

void InitErrors(ErrorManager& err)
{
    jpeg_std_error(&err.base);
    err.base.error_exit = OnErrorExit;
    err.base.emit_message = OnMessage;
    err.base.output_message = [](j_common_ptr) {};
    err.message[0] = '\0';
}

struct Decompressor {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    jpeg_progress_mgr progress{};
    bool created = false;
    ~Decompressor()
    {
        if (created) jpeg_destroy_decompress(&cinfo);
    }
};

struct Header {
    JDIMENSION width = 0, height = 0;
    bool cmyk = false;
    bool adobeInverted = false;
    int dpiX = 96, dpiY = 96;
};

int ReadHeader(Decompressor& d, ByteView data, const DecodeLimits& limits, Header& h)
{
    if (setjmp(d.err.jump)) return 1;
    jpeg_create_decompress(&d.cinfo);
    d.created = true;
    d.cinfo.mem->max_memory_to_use = kMaxMemory;
    d.progress.progress_monitor = OnProgress;
    d.cinfo.progress = &d.progress;
    jpeg_mem_src(&d.cinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&d.cinfo, TRUE);
    h.width = d.cinfo.image_width;
    h.height = d.cinfo.image_height;
    if (static_cast<std::int64_t>(h.width) > limits.maxSide || static_cast<std::int64_t>(h.height) > limits.maxSide ||
        static_cast<std::uint64_t>(h.width) * h.height > limits.maxPixels || h.width == 0 || h.height == 0) {
        std::snprintf(d.err.message, sizeof d.err.message, "picture too large");
        return 1;
    }
    h.cmyk = d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK;
    h.adobeInverted = h.cmyk && d.cinfo.saw_Adobe_marker;
    d.cinfo.out_color_space = h.cmyk ? JCS_CMYK : JCS_EXT_BGR;
    if (d.cinfo.density_unit == 1 && d.cinfo.X_density > 0 && d.cinfo.Y_density > 0) {
        h.dpiX = d.cinfo.X_density;
        h.dpiY = d.cinfo.Y_density;
    } else if (d.cinfo.density_unit == 2 && d.cinfo.X_density > 0 && d.cinfo.Y_density > 0) {
        h.dpiX = static_cast<int>(d.cinfo.X_density * 2.54 + 0.5);
        h.dpiY = static_cast<int>(d.cinfo.Y_density * 2.54 + 0.5);
    }
    jpeg_start_decompress(&d.cinfo);
    return 0;
}

// Reads every scan line into the picture's rows; CMYK lines go through `line` (4 bytes
// a pixel) and are converted.
int ReadRows(Decompressor& d, Picture* picture, std::uint8_t* line, bool cmyk, bool inverted)
{
    if (setjmp(d.err.jump)) return 1;
    const int width = picture->Width();
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        const int y = static_cast<int>(d.cinfo.output_scanline);
        JSAMPROW row = cmyk ? line : picture->Row(y);
        if (jpeg_read_scanlines(&d.cinfo, &row, 1) != 1) {
            std::snprintf(d.err.message, sizeof d.err.message, "truncated");
            return 1;
        }
        if (cmyk) {
            Bgr* out = picture->BgrRow(y);
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* p = line + 4 * x;
                int c = p[0], m = p[1], ye = p[2], k = p[3];
                if (!inverted) { c = 255 - c; m = 255 - m; ye = 255 - ye; k = 255 - k; }
                out[x] = Bgr{static_cast<std::uint8_t>(ye * k / 255), static_cast<std::uint8_t>(m * k / 255),
                             static_cast<std::uint8_t>(c * k / 255)};
            }
        }
    }
    return 0;
}

struct Compressor {
    jpeg_compress_struct cinfo{};
    ErrorManager err{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    bool created = false;
    ~Compressor()
    {
        if (created) jpeg_destroy_compress(&cinfo);
        std::free(buffer);
    }
};

int WriteAll(Compressor& c, const Picture* picture, int quality)
{
    if (setjmp(c.err.jump)) return 1;
    jpeg_create_compress(&c.cinfo);
    c.created = true;
    jpeg_mem_dest(&c.cinfo, &c.buffer, &c.size);
    c.cinfo.image_width = static_cast<JDIMENSION>(picture->Width());
    c.cinfo.image_height = static_cast<JDIMENSION>(picture->Height());
    c.cinfo.input_components = 3;
    c.cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&c.cinfo);
    jpeg_set_quality(&c.cinfo, quality, TRUE);
    c.cinfo.density_unit = 1;
    c.cinfo.X_density = static_cast<UINT16>(std::clamp(picture->DpiX(), 1, 65535));
    c.cinfo.Y_density = static_cast<UINT16>(std::clamp(picture->DpiY(), 1, 65535));
    jpeg_start_compress(&c.cinfo, TRUE);
    while (c.cinfo.next_scanline < c.cinfo.image_height) {
        // libjpeg only reads the rows it is given; the cast drops const for its C interface.
        JSAMPROW row = const_cast<JSAMPROW>(picture->Row(static_cast<int>(c.cinfo.next_scanline)));
        jpeg_write_scanlines(&c.cinfo, &row, 1);
    }
    jpeg_finish_compress(&c.cinfo);
    return 0;
}

} // namespace

std::span<const std::string_view> JpegCodec::Extensions() const
{
    static constexpr std::array<std::string_view, 4> kExt{".jpg", ".jpeg", ".jpe", ".jif"};
    return kExt;
}

bool JpegCodec::Matches(ByteView data) const
{
    return data.size() >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

std::vector<Picture> JpegCodec::Decode(ByteView data, const DecodeOptions& options) const
{
    Decompressor d;
    d.cinfo.err = &d.err.base;
    InitErrors(d.err);
    Header h;
    if (ReadHeader(d, data, options.limits, h) != 0) throw GfxError(std::string("JPEG: ") + d.err.message);
    Picture picture = NewPicture(h.width, h.height, PixelFormat::Bgr24, options.limits, "JPEG");
    picture.SetDpi(h.dpiX, h.dpiY);
    std::vector<std::uint8_t> line(h.cmyk ? static_cast<std::size_t>(h.width) * 4 : 0);
    if (ReadRows(d, &picture, line.data(), h.cmyk, h.adobeInverted) != 0)
        throw GfxError(std::string("JPEG: ") + d.err.message);
    std::vector<Picture> result;
    result.push_back(std::move(picture));
    return result;
}

Bytes JpegCodec::Encode(const Picture& source, const EncodeOptions& options) const
{
    if (source.IsEmpty()) throw GfxError("JPEG: empty picture");
    if (source.Width() > 65500 || source.Height() > 65500) throw GfxError("JPEG: picture too large for the format");
    const Bgr24Source picture(source);
    Compressor c;
    c.cinfo.err = &c.err.base;
    InitErrors(c.err);
    if (WriteAll(c, &*picture, std::clamp(options.jpegQuality, 1, 100)) != 0)
        throw GfxError(std::string("JPEG: ") + c.err.message);
    return Bytes(c.buffer, c.buffer + c.size);
}

} // namespace ix::gfx::codecs
