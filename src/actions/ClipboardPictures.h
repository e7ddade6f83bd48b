// ClipboardPictures: pictures on the system clipboard, as the image processor of a view
// puts them there and takes them back.
//
// A copy empties the clipboard and sets two formats: the device-independent bitmap
// (CF_DIB, 24 bits, or 32 bits with an alpha mask when the picture has transparency) and
// our own raw format, registered as "ixCanvas Picture", which keeps the resolution and
// the alpha plane exactly. Reading takes the first available of: the raw format, a
// format registered as "PNG", CF_DIB, the enhanced metafile.
//
// Limits: clipboard contents are foreign input: every format is checked against the
// decoders' size limits, and a truncated or malformed block throws GfxError (nothing is
// allocated from an unchecked size). Enhanced metafiles are recognised but not rendered:
// reading one gives no picture. An unavailable clipboard copies nothing and reads nothing.
#pragma once

#include "gfx/Picture.h"
#include "ui/Clipboard.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace ix::actions {

inline constexpr const char* kRawPictureFormat = "ixCanvas Picture";

// Which formats a read may use.
enum class ClipboardSource { Any, RawOrDib };

// The raw format's bytes and back; DecodeRawPicture throws GfxError for bad data.
std::vector<std::uint8_t> EncodeRawPicture(const gfx::Picture& picture);
gfx::Picture DecodeRawPicture(const std::vector<std::uint8_t>& data);

// Empties the clipboard and puts the picture on it; false when it cannot be opened.
bool CopyPictureToClipboard(ui::Clipboard& clipboard, const gfx::Picture& picture);
// Whether the clipboard holds a format a paste can take (any of the four); false when
// it cannot be opened.
bool ClipboardHasPicture(ui::Clipboard& clipboard);
// The picture of the first available format; nothing when the clipboard cannot be opened
// or holds none of them. Throws GfxError when that format's contents are bad.
std::optional<gfx::Picture> PasteFromClipboard(ui::Clipboard& clipboard, ClipboardSource source = ClipboardSource::Any);

} // namespace ix::actions
