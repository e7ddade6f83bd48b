#include "gfx/GfxError.h"
#include "gfx/codecs/DecodeSupport.h"
#include "gfx/codecs/linux/LibraryCodecs.h"

#include <tiffio.h>

#include <array>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace ix::gfx::codecs {

namespace {

constexpr tmsize_t kMaxSingleAllocation = tmsize_t{256} << 20;

// The file in memory that libtiff reads or writes through our procedures. Errors and
// warnings go to handlers given to this one open, so nothing global is involved and
// several canvases never share a handler.
struct MemoryFile {
    const std::uint8_t* data = nullptr; // reading
    Bytes* out = nullptr;               // writing
    std::uint64_t size = 0;
    std::uint64_t pos = 0;
    char message[256] = "";
};

tmsize_t ReadProc(thandle_t h, void* buf, tmsize_t n)
{
    auto* f = static_cast<MemoryFile*>(h);
    if (n < 0 || f->pos >= f->size) return 0;
    const std::uint64_t take = std::min<std::uint64_t>(static_cast<std::uint64_t>(n), f->size - f->pos);
    std::memcpy(buf, (f->out ? f->out->data() : f->data) + f->pos, static_cast<std::size_t>(take));
    f->pos += take;
    return static_cast<tmsize_t>(take);
}

tmsize_t WriteProc(thandle_t h, void* buf, tmsize_t n)
{
    auto* f = static_cast<MemoryFile*>(h);
    if (!f->out || n < 0) return -1;
    const std::uint64_t end = f->pos + static_cast<std::uint64_t>(n);
    try {
        if (end > f->out->size()) f->out->resize(static_cast<std::size_t>(end));
    } catch (...) {
        return -1;
    }
    std::memcpy(f->out->data() + f->pos, buf, static_cast<std::size_t>(n));
    f->pos = end;
    f->size = std::max<std::uint64_t>(f->size, end);
    return n;
}

toff_t SeekProc(thandle_t h, toff_t off, int whence)
{
    auto* f = static_cast<MemoryFile*>(h);
    std::uint64_t base = whence == SEEK_CUR ? f->pos : whence == SEEK_END ? f->size : 0;
    const std::uint64_t target = base + off;
    if (target > (std::uint64_t{1} << 40)) return static_cast<toff_t>(-1);
    f->pos = target;
    return target;
}

int CloseProc(thandle_t) { return 0; }
toff_t SizeProc(thandle_t h) { return static_cast<MemoryFile*>(h)->size; }
int MapProc(thandle_t, void**, toff_t*) { return 0; }
void UnmapProc(thandle_t, void*, toff_t) {}

int OnError(TIFF*, void* user, const char* module, const char* fmt, va_list ap)
{
    auto* f = static_cast<MemoryFile*>(user);
    if (f->message[0] == '\0') {
        char text[200];
        std::vsnprintf(text, sizeof text, fmt, ap);
        std::snprintf(f->message, sizeof f->message, "%s%s%s", module ? module : "", module ? ": " : "", text);
    }
    return 1; // handled: the process-wide handlers are not called
}

int OnWarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

struct TiffCloser {
    void operator()(TIFF* t) const { TIFFClose(t); }
};
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

struct OptionsFree {
    void operator()(TIFFOpenOptions* o) const { TIFFOpenOptionsFree(o); }
};

TiffHandle Open(MemoryFile& file, const char* mode)
{
    std::unique_ptr<TIFFOpenOptions, OptionsFree> opts(TIFFOpenOptionsAlloc());
    if (!opts) throw GfxError("TIFF: out of memory");
    TIFFOpenOptionsSetMaxSingleMemAlloc(opts.get(), kMaxSingleAllocation);
    TIFFOpenOptionsSetErrorHandlerExtR(opts.get(), OnError, &file);
    TIFFOpenOptionsSetWarningHandlerExtR(opts.get(), OnWarning, &file);
    TIFF* t = TIFFClientOpenExt("memory", mode, &file, ReadProc, WriteProc, SeekProc, CloseProc, SizeProc, MapProc,
                                UnmapProc, opts.get());
    if (!t) throw GfxError(std::string("TIFF: ") + (file.message[0] ? file.message : "cannot open"));
    return TiffHandle(t);
}

[[noreturn]] void Fail(const MemoryFile& file, const char* what)
{
    throw GfxError(std::string("TIFF: ") + (file.message[0] ? file.message : what));
}

int Dpi(TIFF* t, ttag_t tag)
{
    float res = 0;
    std::uint16_t unit = RESUNIT_INCH;
    TIFFGetFieldDefaulted(t, TIFFTAG_RESOLUTIONUNIT, &unit);
    if (!TIFFGetField(t, tag, &res) || !(res > 0 && res < 100000)) return 96;
    return static_cast<int>(std::lround(unit == RESUNIT_CENTIMETER ? res * 2.54 : res));
}

Picture ReadDirectory(TIFF* t, MemoryFile& file, const DecodeLimits& limits)
{
    std::uint32_t width = 0, height = 0;
    std::uint16_t bits = 1, samples = 1, photometric = PHOTOMETRIC_MINISBLACK, planar = PLANARCONFIG_CONTIG;
    std::uint16_t extraCount = 0;
    std::uint16_t* extra = nullptr;
    TIFFGetField(t, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(t, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(t, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(t, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(t, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(t, TIFFTAG_EXTRASAMPLES, &extraCount, &extra);
    if (!TIFFGetField(t, TIFFTAG_PHOTOMETRIC, &photometric)) photometric = PHOTOMETRIC_MINISWHITE;
    CheckDimensions(width, height, limits, "TIFF");
    const bool tiled = TIFFIsTiled(t) != 0;
    const bool grey = photometric == PHOTOMETRIC_MINISBLACK || photometric == PHOTOMETRIC_MINISWHITE;

    // Bilevel strips: rows as they are, 1 = white after MINISWHITE is inverted.
    if (grey && bits == 1 && samples == 1 && !tiled) {
        Picture picture = NewPicture(width, height, PixelFormat::BlackWhite1, limits, "TIFF");
        if (static_cast<std::size_t>(TIFFScanlineSize(t)) != picture.Stride()) Fail(file, "unexpected line size");
        for (int y = 0; y < picture.Height(); ++y) {
            if (TIFFReadScanline(t, picture.Row(y), static_cast<std::uint32_t>(y), 0) < 0) Fail(file, "read error");
            if (photometric == PHOTOMETRIC_MINISWHITE)
                for (std::size_t i = 0; i < picture.Stride(); ++i) picture.Row(y)[i] = static_cast<std::uint8_t>(~picture.Row(y)[i]);
        }
        picture.SetDpi(Dpi(t, TIFFTAG_XRESOLUTION), Dpi(t, TIFFTAG_YRESOLUTION));
        return picture;
    }

    Picture picture = NewPicture(width, height, PixelFormat::Bgr24, limits, "TIFF");
    picture.SetDpi(Dpi(t, TIFFTAG_XRESOLUTION), Dpi(t, TIFFTAG_YRESOLUTION));
    const bool alpha = extraCount > 0 && ((photometric == PHOTOMETRIC_RGB && samples >= 4) || (grey && samples >= 2));
    const bool associated = alpha && extra && extra[0] == EXTRASAMPLE_ASSOCALPHA;
    if (alpha) picture.EnsureAlpha(255);

    // Fast path for the common 8-bit contiguous RGB and grey strips: exact samples.
    if (!tiled && bits == 8 && planar == PLANARCONFIG_CONTIG && (photometric == PHOTOMETRIC_RGB ? samples >= 3 : grey)) {
        const std::size_t lineSize = static_cast<std::size_t>(TIFFScanlineSize(t));
        if (lineSize != static_cast<std::size_t>(width) * samples) Fail(file, "unexpected line size");
        std::vector<std::uint8_t> line(lineSize);
        for (int y = 0; y < picture.Height(); ++y) {
            if (TIFFReadScanline(t, line.data(), static_cast<std::uint32_t>(y), 0) < 0) Fail(file, "read error");
            Bgr* out = picture.BgrRow(y);
            const std::uint8_t* p = line.data();
            if (photometric == PHOTOMETRIC_RGB) {
                for (std::uint32_t x = 0; x < width; ++x, p += samples) out[x] = Bgr{p[2], p[1], p[0]};
            } else {
                const std::uint8_t flip = photometric == PHOTOMETRIC_MINISWHITE ? 0xFF : 0x00;
                for (std::uint32_t x = 0; x < width; ++x, p += samples) {
                    const std::uint8_t v = p[0] ^ flip;
                    out[x] = Bgr{v, v, v};
                }
            }
            if (alpha) {
                std::uint8_t* a = picture.AlphaRow(y);
                const std::size_t at = photometric == PHOTOMETRIC_RGB ? 3 : 1;
                for (std::uint32_t x = 0; x < width; ++x) a[x] = line[static_cast<std::size_t>(x) * samples + at];
            }
        }
        return picture;
    }

    // Everything else (tiles, palettes, CMYK, YCbCr, 16 bits, ...) through libtiff's RGBA
    // reader, which premultiplies unassociated alpha: undo that.
    std::vector<std::uint32_t> raster(CheckedProduct(width, height, "TIFF"));
    if (!TIFFReadRGBAImageOriented(t, width, height, raster.data(), ORIENTATION_TOPLEFT, 0)) Fail(file, "read error");
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint32_t* src = raster.data() + static_cast<std::size_t>(y) * width;
        Bgr* out = picture.BgrRow(y);
        std::uint8_t* a = alpha ? picture.AlphaRow(y) : nullptr;
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint32_t px = src[x];
            std::uint32_t r = TIFFGetR(px), g = TIFFGetG(px), b = TIFFGetB(px);
            const std::uint32_t av = TIFFGetA(px);
            if (a && !associated && av > 0 && av < 255) {
                r = std::min<std::uint32_t>(255, (r * 255 + av / 2) / av);
                g = std::min<std::uint32_t>(255, (g * 255 + av / 2) / av);
                b = std::min<std::uint32_t>(255, (b * 255 + av / 2) / av);
            }
            out[x] = Bgr{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(r)};
            if (a) a[x] = static_cast<std::uint8_t>(av);
        }
    }
    return picture;
}

} // namespace

std::span<const std::string_view> TiffCodec::Extensions() const
{
    static constexpr std::array<std::string_view, 6> kExt{".tif", ".tiff", ".fax", ".g3n", ".g3f", ".xif"};
    return kExt;
}

bool TiffCodec::Matches(ByteView data) const
{
    if (data.size() < 8) return false;
    const bool le = data[0] == 'I' && data[1] == 'I' && (data[2] == 42 || data[2] == 43) && data[3] == 0;
    const bool be = data[0] == 'M' && data[1] == 'M' && data[2] == 0 && (data[3] == 42 || data[3] == 43);
    return le || be;
}

std::vector<Picture> TiffCodec::Decode(ByteView data, const DecodeOptions& options) const
{
    MemoryFile file;
    file.data = data.data();
    file.size = data.size();
    TiffHandle t = Open(file, "rm");
    std::vector<Picture> result;
    do {
        result.push_back(ReadDirectory(t.get(), file, options.limits));
        if (!options.allFrames || static_cast<int>(result.size()) >= options.limits.maxFrames) break;
    } while (TIFFReadDirectory(t.get()));
    return result;
}

Bytes TiffCodec::Encode(const Picture& picture, const EncodeOptions&) const
{
    if (picture.IsEmpty()) throw GfxError("TIFF: empty picture");
    Bytes out;
    MemoryFile file;
    file.out = &out;
    {
        TiffHandle t = Open(file, "w");
        const bool blackWhite = picture.Format() == PixelFormat::BlackWhite1;
        const bool alpha = !blackWhite && HasTransparency(picture);
        const std::uint16_t samples = blackWhite ? 1 : alpha ? 4 : 3;
        TIFFSetField(t.get(), TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(picture.Width()));
        TIFFSetField(t.get(), TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(picture.Height()));
        TIFFSetField(t.get(), TIFFTAG_BITSPERSAMPLE, static_cast<std::uint16_t>(blackWhite ? 1 : 8));
        TIFFSetField(t.get(), TIFFTAG_SAMPLESPERPIXEL, samples);
        TIFFSetField(t.get(), TIFFTAG_PHOTOMETRIC, static_cast<std::uint16_t>(blackWhite ? PHOTOMETRIC_MINISBLACK : PHOTOMETRIC_RGB));
        TIFFSetField(t.get(), TIFFTAG_PLANARCONFIG, static_cast<std::uint16_t>(PLANARCONFIG_CONTIG));
        TIFFSetField(t.get(), TIFFTAG_COMPRESSION, static_cast<std::uint16_t>(COMPRESSION_LZW));
        TIFFSetField(t.get(), TIFFTAG_ORIENTATION, static_cast<std::uint16_t>(ORIENTATION_TOPLEFT));
        TIFFSetField(t.get(), TIFFTAG_RESOLUTIONUNIT, static_cast<std::uint16_t>(RESUNIT_INCH));
        TIFFSetField(t.get(), TIFFTAG_XRESOLUTION, static_cast<float>(picture.DpiX()));
        TIFFSetField(t.get(), TIFFTAG_YRESOLUTION, static_cast<float>(picture.DpiY()));
        if (alpha) {
            const std::uint16_t kind = EXTRASAMPLE_UNASSALPHA;
            TIFFSetField(t.get(), TIFFTAG_EXTRASAMPLES, static_cast<std::uint16_t>(1), &kind);
        }
        TIFFSetField(t.get(), TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(t.get(), 0));
        std::vector<std::uint8_t> line(static_cast<std::size_t>(picture.Width()) * samples);
        for (int y = 0; y < picture.Height(); ++y) {
            const std::uint8_t* src = picture.Row(y);
            if (blackWhite) {
                std::copy_n(src, picture.Stride(), line.begin());
            } else {
                const Bgr* px = picture.BgrRow(y);
                std::uint8_t* p = line.data();
                if (alpha) {
                    const std::uint8_t* a = picture.AlphaRow(y);
                    for (int x = 0; x < picture.Width(); ++x, p += 4) {
                        p[0] = px[x].r;
                        p[1] = px[x].g;
                        p[2] = px[x].b;
                        p[3] = a[x];
                    }
                } else {
                    for (int x = 0; x < picture.Width(); ++x, p += 3) {
                        p[0] = px[x].r;
                        p[1] = px[x].g;
                        p[2] = px[x].b;
                    }
                }
            }
            if (TIFFWriteScanline(t.get(), line.data(), static_cast<std::uint32_t>(y), 0) < 0) Fail(file, "write error");
        }
        if (!TIFFWriteDirectory(t.get())) Fail(file, "write error");
    }
    if (file.message[0]) Fail(file, "write error");
    out.resize(static_cast<std::size_t>(file.size));
    return out;
}

} // namespace ix::gfx::codecs
