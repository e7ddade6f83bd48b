// WicCodec: PNG, JPEG, TIFF and GIF, and reading JPEG XR and DDS, through the Windows
// Imaging Component.
//
// Every call makes its own factory (and enters COM for the calling thread when nobody
// has), so nothing is shared between canvases. Decoded frames are converted to 32-bit
// BGRA and kept with alpha only when some pixel is not opaque; a black-and-white frame
// stays 1-bit. Encoders get the pixel format we offer; WIC may pick another (wine turns
// 32-bit BMP into 24-bit), so the format it accepts is read back and our pixels are
// converted to it. GIF frames are written 8-bit with our own palette (Quantize.h).
// GIF and TIFF frames on request are the frames as stored (not composed on a screen).
// Under wine 8 the JPEG encoder ignores the quality option and the GIF encoder has no
// metadata writer, so GIF transparency is lost there; Windows honours both.
#pragma once

#include "gfx/codecs/Codec.h"

#include <array>

namespace ix::gfx::codecs {

class WicCodec final : public Codec {
public:
    explicit WicCodec(Format format);

    Format Kind() const override { return format_; }
    std::string_view Name() const override;
    std::span<const std::string_view> Extensions() const override;
    bool Matches(ByteView data) const override;
    std::vector<Picture> Decode(ByteView data, const DecodeOptions& options) const override;
    bool CanEncode() const override;
    Bytes Encode(const Picture& picture, const EncodeOptions& options) const override;

private:
    Format format_;
};

} // namespace ix::gfx::codecs
