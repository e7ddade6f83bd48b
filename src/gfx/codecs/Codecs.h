// Codecs: the registry of every picture format this build reads or writes.
//
// Own codecs (BMP, PCX, DCX, TGA, PNM, WBMP, ICO, CUR, PSD) are the same on every
// target; PNG, JPEG, TIFF and GIF come from the platform (libpng, libjpeg-turbo, libtiff
// and giflib on Linux, WIC on Windows, which also decodes JPEG XR and DDS).
//
// Content decides the format on load; the file name's last extension decides it on save.
#pragma once

#include "gfx/codecs/Codec.h"

#include <optional>
#include <span>
#include <string_view>

namespace ix::gfx::codecs {

std::span<const Codec* const> AllCodecs();
const Codec* FindCodec(Format format);
// The codec whose signature the data carries, or nullptr.
const Codec* CodecForContent(ByteView data);
// The codec that writes files with the name's last extension (case-insensitive), or
// nullptr when no codec does.
const Codec* CodecForFileName(std::string_view fileName);
// The last extension of a file name, with its dot ("" when there is none).
std::string_view ExtensionOf(std::string_view fileName);

// Decodes any known format: nothing when no codec recognises the data; throws GfxError
// when a recognised file is malformed.
std::optional<std::vector<Picture>> DecodePictures(ByteView data, const DecodeOptions& options = {});
std::optional<Picture> DecodePicture(ByteView data, const DecodeOptions& options = {});
// Encodes in the format of the file name's extension: nothing when no codec writes it.
// Throws GfxError when the encoder fails.
std::optional<Bytes> EncodePicture(std::string_view fileName, const Picture& picture,
                                   const EncodeOptions& options = {});

} // namespace ix::gfx::codecs
