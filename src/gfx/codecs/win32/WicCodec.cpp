#include "gfx/codecs/win32/WicCodec.h"

#include "gfx/GfxError.h"
#include "gfx/codecs/DecodeSupport.h"
#include "gfx/codecs/Quantize.h"

#include <windows.h>
#include <objbase.h>
#include <ocidl.h>
#include <wincodec.h>

#include <cstring>
#include <string>

namespace ix::gfx::codecs {

namespace {

// An owned COM interface pointer.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
    ComRef& operator=(ComRef&&) = delete;
    ~ComRef()
    {
        if (p_) p_->Release();
    }
    T** Out() { return &p_; }
    T* operator->() const { return p_; }
    T* Get() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

// Enters COM for this call when the thread has not (the host's thread usually has).
class ComApartment {
public:
    ComApartment()
    {
        const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        owned_ = SUCCEEDED(hr); // S_FALSE also needs its CoUninitialize; RPC_E_CHANGED_MODE does not
    }
    ~ComApartment()
    {
        if (owned_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool owned_ = false;
};

void Check(HRESULT hr, const char* format, const char* what)
{
    if (FAILED(hr)) {
        char code[16];
        std::snprintf(code, sizeof code, "%08lx", static_cast<unsigned long>(hr));
        throw GfxError(std::string(format) + ": " + what + " failed (0x" + code + ")");
    }
}

ComRef<IWICImagingFactory> Factory(const char* format)
{
    ComRef<IWICImagingFactory> factory;
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                           reinterpret_cast<void**>(factory.Out())),
          format, "creating the imaging factory");
    return factory;
}

struct FormatInfo {
    Format format;
    const char* name;
    const GUID* container;
    bool encodes;
};

const FormatInfo& Info(Format f)
{
    static const FormatInfo kInfo[] = {
        {Format::Png, "PNG", &GUID_ContainerFormatPng, true},
        {Format::Jpeg, "JPEG", &GUID_ContainerFormatJpeg, true},
        {Format::Tiff, "TIFF", &GUID_ContainerFormatTiff, true},
        {Format::Gif, "GIF", &GUID_ContainerFormatGif, true},
        {Format::JpegXr, "JPEG XR", &GUID_ContainerFormatWmp, false},
        {Format::Dds, "DDS", nullptr, false},
    };
    for (const auto& i : kInfo)
        if (i.format == f) return i;
    return kInfo[0];
}

Picture DecodeFrame(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, const DecodeLimits& limits, const char* name)
{
    UINT width = 0, height = 0;
    Check(frame->GetSize(&width, &height), name, "reading the size");
    CheckDimensions(width, height, limits, name);
    double dpiX = 96, dpiY = 96;
    if (FAILED(frame->GetResolution(&dpiX, &dpiY)) || !(dpiX > 0 && dpiX < 100000) || !(dpiY > 0 && dpiY < 100000)) dpiX = dpiY = 96;

    WICPixelFormatGUID pixelFormat{};
    Check(frame->GetPixelFormat(&pixelFormat), name, "reading the pixel format");
    if (IsEqualGUID(pixelFormat, GUID_WICPixelFormatBlackWhite)) {
        Picture picture = NewPicture(width, height, PixelFormat::BlackWhite1, limits, name);
        const UINT stride = static_cast<UINT>(picture.Stride());
        std::vector<std::uint8_t> buffer(CheckedProduct(stride, height, name));
        Check(frame->CopyPixels(nullptr, stride, static_cast<UINT>(buffer.size()), buffer.data()), name, "reading the pixels");
        for (int y = 0; y < picture.Height(); ++y) std::memcpy(picture.Row(y), buffer.data() + static_cast<std::size_t>(y) * stride, stride);
        picture.SetDpi(static_cast<int>(dpiX + 0.5), static_cast<int>(dpiY + 0.5));
        return picture;
    }

    ComRef<IWICFormatConverter> converter;
    Check(factory->CreateFormatConverter(converter.Out()), name, "creating a converter");
    Check(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                WICBitmapPaletteTypeCustom),
          name, "converting the pixels");
    const std::size_t stride = CheckedProduct(width, 4, name);
    std::vector<std::uint8_t> buffer(CheckedProduct(stride, height, name));
    Check(converter->CopyPixels(nullptr, static_cast<UINT>(stride), static_cast<UINT>(buffer.size()), buffer.data()), name,
          "reading the pixels");
    Picture picture = NewPicture(width, height, PixelFormat::Bgr24, limits, name);
    picture.EnsureAlpha(255);
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint8_t* src = buffer.data() + static_cast<std::size_t>(y) * stride;
        Bgr* out = picture.BgrRow(y);
        std::uint8_t* a = picture.AlphaRow(y);
        for (int x = 0; x < picture.Width(); ++x, src += 4) {
            out[x] = Bgr{src[0], src[1], src[2]};
            a[x] = src[3];
        }
    }
    if (!HasTransparency(picture)) picture.RemoveAlpha();
    picture.SetDpi(static_cast<int>(dpiX + 0.5), static_cast<int>(dpiY + 0.5));
    return picture;
}

// Our pixels in a WIC bitmap of the layout that holds them without loss.
ComRef<IWICBitmap> SourceBitmap(IWICImagingFactory* factory, const Picture& picture, bool alpha, std::vector<std::uint8_t>& buffer,
                                const char* name)
{
    ComRef<IWICBitmap> bitmap;
    const UINT w = static_cast<UINT>(picture.Width()), h = static_cast<UINT>(picture.Height());
    if (picture.Format() == PixelFormat::BlackWhite1) {
        const UINT stride = static_cast<UINT>(picture.Stride());
        buffer.resize(CheckedProduct(stride, h, name));
        for (int y = 0; y < picture.Height(); ++y) std::memcpy(buffer.data() + static_cast<std::size_t>(y) * stride, picture.Row(y), stride);
        Check(factory->CreateBitmapFromMemory(w, h, GUID_WICPixelFormatBlackWhite, stride, static_cast<UINT>(buffer.size()),
                                              buffer.data(), bitmap.Out()),
              name, "creating the source");
        return bitmap;
    }
    const UINT bytes = alpha ? 4 : 3;
    const UINT stride = (w * bytes + 3) & ~3u;
    buffer.assign(CheckedProduct(stride, h, name), 0);
    for (int y = 0; y < picture.Height(); ++y) {
        std::uint8_t* dst = buffer.data() + static_cast<std::size_t>(y) * stride;
        const Bgr* src = picture.BgrRow(y);
        for (int x = 0; x < picture.Width(); ++x, dst += bytes) {
            dst[0] = src[x].b;
            dst[1] = src[x].g;
            dst[2] = src[x].r;
            if (alpha) dst[3] = picture.AlphaRow(y)[x];
        }
    }
    Check(factory->CreateBitmapFromMemory(w, h, alpha ? GUID_WICPixelFormat32bppBGRA : GUID_WICPixelFormat24bppBGR, stride,
                                          static_cast<UINT>(buffer.size()), buffer.data(), bitmap.Out()),
          name, "creating the source");
    return bitmap;
}

Bytes StreamBytes(IStream* stream, const char* name)
{
    STATSTG stat{};
    Check(stream->Stat(&stat, STATFLAG_NONAME), name, "reading the result");
    HGLOBAL global = nullptr;
    Check(GetHGlobalFromStream(stream, &global), name, "reading the result");
    const auto size = static_cast<std::size_t>(stat.cbSize.QuadPart);
    const void* data = GlobalLock(global);
    if (!data && size) throw GfxError(std::string(name) + ": reading the result failed");
    Bytes out(static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + size);
    GlobalUnlock(global);
    return out;
}

} // namespace

WicCodec::WicCodec(Format format) : format_(format) {}

std::string_view WicCodec::Name() const { return Info(format_).name; }

std::span<const std::string_view> WicCodec::Extensions() const
{
    static constexpr std::array<std::string_view, 1> kPng{".png"};
    static constexpr std::array<std::string_view, 4> kJpeg{".jpg", ".jpeg", ".jpe", ".jif"};
    static constexpr std::array<std::string_view, 6> kTiff{".tif", ".tiff", ".fax", ".g3n", ".g3f", ".xif"};
    static constexpr std::array<std::string_view, 1> kGif{".gif"};
    static constexpr std::array<std::string_view, 3> kJpegXr{".wdp", ".hdp", ".jxr"};
    static constexpr std::array<std::string_view, 1> kDds{".dds"};
    switch (format_) {
    case Format::Png: return kPng;
    case Format::Jpeg: return kJpeg;
    case Format::Tiff: return kTiff;
    case Format::Gif: return kGif;
    case Format::JpegXr: return kJpegXr;
    default: return kDds;
    }
}

bool WicCodec::Matches(ByteView d) const
{
    const auto starts = [&](std::initializer_list<std::uint8_t> sig) {
        return d.size() >= sig.size() && std::equal(sig.begin(), sig.end(), d.begin());
    };
    switch (format_) {
    case Format::Png: return starts({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'});
    case Format::Jpeg: return starts({0xFF, 0xD8, 0xFF});
    case Format::Tiff: return starts({'I', 'I', 42, 0}) || starts({'M', 'M', 0, 42});
    case Format::Gif: return starts({'G', 'I', 'F', '8', '7', 'a'}) || starts({'G', 'I', 'F', '8', '9', 'a'});
    case Format::JpegXr: return starts({'I', 'I', 0xBC, 0x01}) || starts({'I', 'I', 0xBC, 0x00});
    default: return starts({'D', 'D', 'S', ' '});
    }
}

bool WicCodec::CanEncode() const { return Info(format_).encodes; }

std::vector<Picture> WicCodec::Decode(ByteView data, const DecodeOptions& options) const
{
    const char* name = Info(format_).name;
    if (data.size() > 0xFFFFFFFFu) throw GfxError(std::string(name) + ": file too large");
    ComApartment com;
    const auto factory = Factory(name);
    ComRef<IWICStream> stream;
    Check(factory->CreateStream(stream.Out()), name, "creating a stream");
    // WIC only reads the memory it is given; the cast drops const for its interface.
    Check(stream->InitializeFromMemory(const_cast<BYTE*>(data.data()), static_cast<DWORD>(data.size())), name, "opening");
    ComRef<IWICBitmapDecoder> decoder;
    Check(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.Out()), name,
          "recognising the file");
    UINT count = 0;
    Check(decoder->GetFrameCount(&count), name, "counting the frames");
    if (count == 0) throw GfxError(std::string(name) + ": no image");
    std::vector<Picture> result;
    const UINT wanted = options.allFrames ? std::min<UINT>(count, static_cast<UINT>(std::max(options.limits.maxFrames, 1))) : 1;
    for (UINT i = 0; i < wanted; ++i) {
        ComRef<IWICBitmapFrameDecode> frame;
        Check(decoder->GetFrame(i, frame.Out()), name, "reading a frame");
        result.push_back(DecodeFrame(factory.Get(), frame.Get(), options.limits, name));
    }
    return result;
}

Bytes WicCodec::Encode(const Picture& picture, const EncodeOptions& options) const
{
    const FormatInfo& info = Info(format_);
    const char* name = info.name;
    if (!info.encodes) throw GfxError(std::string(name) + ": writing is not supported");
    if (picture.IsEmpty()) throw GfxError(std::string(name) + ": empty picture");
    if (format_ == Format::Gif && (picture.Width() > 0xFFFF || picture.Height() > 0xFFFF))
        throw GfxError("GIF: picture too large for the format");
    ComApartment com;
    const auto factory = Factory(name);

    ComRef<IStream> stream;
    Check(CreateStreamOnHGlobal(nullptr, TRUE, stream.Out()), name, "creating a stream");
    ComRef<IWICBitmapEncoder> encoder;
    Check(factory->CreateEncoder(*info.container, nullptr, encoder.Out()), name, "creating the encoder");
    Check(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache), name, "starting the encoder");
    ComRef<IWICBitmapFrameEncode> frame;
    ComRef<IPropertyBag2> properties;
    Check(encoder->CreateNewFrame(frame.Out(), properties.Out()), name, "creating a frame");
    if (format_ == Format::Jpeg && properties) {
        PROPBAG2 option{};
        wchar_t quality[] = L"ImageQuality";
        option.pstrName = quality;
        option.dwType = PROPBAG2_TYPE_DATA;
        option.vt = VT_R4;
        VARIANT value;
        VariantInit(&value);
        value.vt = VT_R4;
        value.fltVal = static_cast<float>(std::clamp(options.jpegQuality, 1, 100)) / 100.0f;
        Check(properties->Write(1, &option, &value), name, "setting the quality");
    }
    Check(frame->Initialize(properties.Get()), name, "starting the frame");
    Check(frame->SetSize(static_cast<UINT>(picture.Width()), static_cast<UINT>(picture.Height())), name, "setting the size");
    frame->SetResolution(picture.DpiX(), picture.DpiY());

    const bool blackWhite = picture.Format() == PixelFormat::BlackWhite1 && format_ != Format::Jpeg && format_ != Format::Gif;
    const Bgr24Source colour(picture);
    const Picture& source = blackWhite ? picture : *colour;
    const bool alpha = !blackWhite && format_ != Format::Jpeg && HasTransparency(source);

    std::vector<std::uint8_t> buffer;
    if (format_ == Format::Gif) {
        const IndexedPicture indexed = ToIndexed(source);
        std::vector<WICColor> colours;
        for (std::size_t i = 0; i < indexed.palette.size(); ++i) {
            const Bgr c = indexed.palette[i];
            const WICColor a = static_cast<int>(i) == indexed.transparentIndex ? 0u : 0xFF000000u;
            colours.push_back(a | static_cast<WICColor>(c.r) << 16 | static_cast<WICColor>(c.g) << 8 | c.b);
        }
        ComRef<IWICPalette> palette;
        Check(factory->CreatePalette(palette.Out()), name, "creating the palette");
        Check(palette->InitializeCustom(colours.data(), static_cast<UINT>(colours.size())), name, "creating the palette");
        WICPixelFormatGUID wanted = GUID_WICPixelFormat8bppIndexed;
        Check(frame->SetPixelFormat(&wanted), name, "setting the pixel format");
        if (!IsEqualGUID(wanted, GUID_WICPixelFormat8bppIndexed)) throw GfxError("GIF: the encoder refused 8-bit pixels");
        Check(frame->SetPalette(palette.Get()), name, "setting the palette");
        if (indexed.transparentIndex >= 0) {
            // The transparent index travels in the graphic control extension. Encoders
            // without a metadata writer (wine's) store the frame opaque.
            ComRef<IWICMetadataQueryWriter> metadata;
            if (SUCCEEDED(frame->GetMetadataQueryWriter(metadata.Out())) && metadata) {
                PROPVARIANT flag;
                PropVariantInit(&flag);
                flag.vt = VT_BOOL;
                flag.boolVal = VARIANT_TRUE;
                metadata->SetMetadataByName(L"/grctlext/TransparencyFlag", &flag);
                PROPVARIANT index;
                PropVariantInit(&index);
                index.vt = VT_UI1;
                index.bVal = static_cast<UCHAR>(indexed.transparentIndex);
                metadata->SetMetadataByName(L"/grctlext/TransparentColorIndex", &index);
            }
        }
        const UINT stride = static_cast<UINT>(source.Width());
        Check(frame->WritePixels(static_cast<UINT>(source.Height()), stride, static_cast<UINT>(indexed.indexes.size()),
                                 const_cast<BYTE*>(indexed.indexes.data())),
              name, "writing the pixels");
    } else {
        WICPixelFormatGUID wanted = blackWhite ? GUID_WICPixelFormatBlackWhite
                                    : alpha    ? GUID_WICPixelFormat32bppBGRA
                                               : GUID_WICPixelFormat24bppBGR;
        // The encoder answers with the format it will store; WriteSource converts to it.
        Check(frame->SetPixelFormat(&wanted), name, "setting the pixel format");
        const auto bitmap = SourceBitmap(factory.Get(), source, alpha, buffer, name);
        Check(frame->WriteSource(bitmap.Get(), nullptr), name, "writing the pixels");
    }
    Check(frame->Commit(), name, "finishing the frame");
    Check(encoder->Commit(), name, "finishing the file");
    return StreamBytes(stream.Get(), name);
}

} // namespace ix::gfx::codecs
