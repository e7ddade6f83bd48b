#include "gfx/GfxError.h"
#include "gfx/codecs/DecodeSupport.h"
#include "gfx/codecs/Quantize.h"
#include "gfx/codecs/linux/LibraryCodecs.h"

#include <gif_lib.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>

namespace ix::gfx::codecs {

namespace {

struct Source {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos;
};

int ReadProc(GifFileType* gif, GifByteType* out, int n)
{
    auto* src = static_cast<Source*>(gif->UserData);
    if (n <= 0) return 0;
    const std::size_t take = std::min(static_cast<std::size_t>(n), src->size - src->pos);
    std::memcpy(out, src->data + src->pos, take);
    src->pos += take;
    return static_cast<int>(take);
}

struct DecoderClose {
    void operator()(GifFileType* g) const
    {
        int error = 0;
        DGifCloseFile(g, &error);
    }
};

[[noreturn]] void Fail(int code)
{
    const char* text = GifErrorString(code);
    throw GfxError(std::string("GIF: ") + (text ? text : "malformed file"));
}

// The frames as a viewer shows them: each frame drawn over what the previous frame's
// disposal left on the logical screen. Pixels no frame covered are transparent.
class Composer {
public:
    Composer(int width, int height, const DecodeLimits& limits)
        : canvas_(NewPicture(width, height, PixelFormat::Bgr24, limits, "GIF"))
    {
        canvas_.EnsureAlpha(0);
    }

    void Draw(const GifImageDesc& d, const ColorMapObject* map, int transparent, const std::vector<std::uint8_t>& indexes)
    {
        for (int y = 0; y < d.Height; ++y) {
            const int cy = d.Top + y;
            if (cy < 0 || cy >= canvas_.Height()) continue;
            Bgr* row = canvas_.BgrRow(cy);
            std::uint8_t* a = canvas_.AlphaRow(cy);
            for (int x = 0; x < d.Width; ++x) {
                const int cx = d.Left + x;
                if (cx < 0 || cx >= canvas_.Width()) continue;
                const int index = indexes[static_cast<std::size_t>(y) * static_cast<std::size_t>(d.Width) + static_cast<std::size_t>(x)];
                if (index == transparent) continue;
                if (map && index < map->ColorCount) {
                    const GifColorType c = map->Colors[index];
                    row[cx] = Bgr{c.Blue, c.Green, c.Red};
                } else {
                    row[cx] = Bgr{};
                }
                a[cx] = 255;
            }
        }
    }

    void Clear(const GifImageDesc& d)
    {
        const Rect rect = Rect{d.Left, d.Top, d.Left + d.Width, d.Top + d.Height}.Intersected(canvas_.Bounds());
        for (int y = rect.top; y < rect.bottom; ++y) {
            std::fill_n(canvas_.BgrRow(y) + rect.left, rect.Width(), Bgr{});
            std::fill_n(canvas_.AlphaRow(y) + rect.left, rect.Width(), std::uint8_t{0});
        }
    }

    Picture& Canvas() { return canvas_; }

private:
    Picture canvas_;
};

Picture Finished(Picture picture)
{
    if (!HasTransparency(picture)) picture.RemoveAlpha();
    return picture;
}

} // namespace

std::span<const std::string_view> GifCodec::Extensions() const
{
    static constexpr std::array<std::string_view, 1> kExt{".gif"};
    return kExt;
}

bool GifCodec::Matches(ByteView data) const
{
    return data.size() >= 6 && (std::memcmp(data.data(), "GIF87a", 6) == 0 || std::memcmp(data.data(), "GIF89a", 6) == 0);
}

std::vector<Picture> GifCodec::Decode(ByteView data, const DecodeOptions& options) const
{
    Source src{data.data(), data.size(), 0};
    int error = 0;
    std::unique_ptr<GifFileType, DecoderClose> gif(DGifOpen(&src, ReadProc, &error));
    if (!gif) Fail(error);
    int screenWidth = gif->SWidth, screenHeight = gif->SHeight;

    std::vector<Picture> result;
    std::unique_ptr<Composer> composer;
    int transparent = -1;
    int disposal = DISPOSAL_UNSPECIFIED;
    std::vector<std::uint8_t> indexes;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) Fail(gif->Error);
        if (type == TERMINATE_RECORD_TYPE) break;
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* ext = nullptr;
            if (DGifGetExtension(gif.get(), &code, &ext) == GIF_ERROR) Fail(gif->Error);
            if (code == GRAPHICS_EXT_FUNC_CODE && ext && ext[0] >= 4) {
                GraphicsControlBlock gcb;
                if (DGifExtensionToGCB(ext[0], ext + 1, &gcb) == GIF_OK) {
                    transparent = gcb.TransparentColor;
                    disposal = gcb.DisposalMode;
                }
            }
            while (ext) {
                if (DGifGetExtensionNext(gif.get(), &ext) == GIF_ERROR) Fail(gif->Error);
            }
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE) continue;
        if (DGifGetImageDesc(gif.get()) == GIF_ERROR) Fail(gif->Error);
        const GifImageDesc desc = gif->Image;
        CheckDimensions(desc.Width, desc.Height, options.limits, "GIF");
        if (!composer) {
            // A screen smaller than the first frame (or 0) is a writer's mistake: grow it.
            screenWidth = std::max(screenWidth, desc.Left + desc.Width);
            screenHeight = std::max(screenHeight, desc.Top + desc.Height);
            composer = std::make_unique<Composer>(screenWidth, screenHeight, options.limits);
        }
        indexes.assign(CheckedProduct(static_cast<std::uint64_t>(desc.Width), static_cast<std::uint64_t>(desc.Height), "GIF"), 0);
        const auto line = [&](int y) {
            if (DGifGetLine(gif.get(), indexes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(desc.Width), desc.Width) == GIF_ERROR)
                Fail(gif->Error);
        };
        if (desc.Interlace) {
            static constexpr int kStart[4] = {0, 4, 2, 1}, kStep[4] = {8, 8, 4, 2};
            for (int pass = 0; pass < 4; ++pass)
                for (int y = kStart[pass]; y < desc.Height; y += kStep[pass]) line(y);
        } else {
            for (int y = 0; y < desc.Height; ++y) line(y);
        }
        const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
        const Picture before = disposal == DISPOSE_PREVIOUS && options.allFrames ? composer->Canvas() : Picture();
        composer->Draw(desc, map, transparent, indexes);
        result.push_back(Finished(composer->Canvas()));
        if (!options.allFrames || static_cast<int>(result.size()) >= options.limits.maxFrames) break;
        if (disposal == DISPOSE_BACKGROUND) composer->Clear(desc);
        else if (disposal == DISPOSE_PREVIOUS) composer->Canvas() = before;
        transparent = -1;
        disposal = DISPOSAL_UNSPECIFIED;
    }
    if (result.empty()) throw GfxError("GIF: no image");
    return result;
}

namespace {

struct Sink {
    Bytes* out;
    bool failed = false;
};

int WriteProc(GifFileType* gif, const GifByteType* data, int n)
{
    auto* sink = static_cast<Sink*>(gif->UserData);
    try {
        sink->out->insert(sink->out->end(), data, data + n);
    } catch (...) {
        sink->failed = true;
        return 0;
    }
    return n;
}

struct EncoderClose {
    void operator()(GifFileType* g) const
    {
        int error = 0;
        EGifCloseFile(g, &error);
    }
};

struct MapFree {
    void operator()(ColorMapObject* m) const { GifFreeMapObject(m); }
};

} // namespace

Bytes GifCodec::Encode(const Picture& source, const EncodeOptions&) const
{
    if (source.IsEmpty()) throw GfxError("GIF: empty picture");
    if (source.Width() > 0xFFFF || source.Height() > 0xFFFF) throw GfxError("GIF: picture too large for the format");
    const IndexedPicture indexed = ToIndexed(source);
    std::vector<GifColorType> colors;
    for (const Bgr c : indexed.palette) colors.push_back(GifColorType{c.r, c.g, c.b});
    const bool alpha = indexed.transparentIndex >= 0;
    const int width = source.Width(), height = source.Height();
    int mapSize = 2;
    while (mapSize < static_cast<int>(colors.size())) mapSize *= 2;
    colors.resize(static_cast<std::size_t>(mapSize), GifColorType{0, 0, 0});
    std::unique_ptr<ColorMapObject, MapFree> map(GifMakeMapObject(mapSize, colors.data()));
    if (!map) throw GfxError("GIF: out of memory");

    Bytes out;
    Sink sink{&out};
    int error = 0;
    std::unique_ptr<GifFileType, EncoderClose> gif(EGifOpen(&sink, WriteProc, &error));
    if (!gif) Fail(error);
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), width, height, 8, 0, map.get()) == GIF_ERROR) Fail(gif->Error);
    if (alpha) {
        GraphicsControlBlock gcb{DISPOSAL_UNSPECIFIED, false, 0, indexed.transparentIndex};
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, 4, ext) == GIF_ERROR) Fail(gif->Error);
    }
    if (EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr) == GIF_ERROR) Fail(gif->Error);
    // giflib takes non-const rows but only reads them.
    auto* indexes = const_cast<GifPixelType*>(indexed.indexes.data());
    for (int y = 0; y < height; ++y)
        if (EGifPutLine(gif.get(), indexes + static_cast<std::size_t>(y) * static_cast<std::size_t>(width), width) == GIF_ERROR)
            Fail(gif->Error);
    GifFileType* raw = gif.release();
    if (EGifCloseFile(raw, &error) == GIF_ERROR) Fail(error);
    if (sink.failed) throw GfxError("GIF: out of memory");
    return out;
}

} // namespace ix::gfx::codecs
