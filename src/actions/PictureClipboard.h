// PictureClipboard: pictures put on and taken from the system clipboard.
//
// A picture goes on the clipboard in two formats at once: the system's device-independent
// bitmap (24 bits, or 32 bits when the picture has transparent pixels), which every
// program reads, and our own raw format kRawPictureFormat, which keeps the exact pixels
// and the alpha plane for a later paste into a canvas. The raw block is "IXPIC1", width
// and height as 32-bit little-endian integers, one byte 1 or 0 for the alpha plane, the
// blue-green-red rows top-down without padding, then the alpha rows when present.
#pragma once

#include "gfx/Picture.h"
#include "ui/Clipboard.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ix::actions {

inline constexpr const char* kRawPictureFormat = "ixCanvas Picture";

std::vector<std::uint8_t> EncodeRawPicture(const gfx::Picture& picture);
// Nothing for a block that is not a raw picture or claims more pixels than it carries.
std::optional<gfx::Picture> DecodeRawPicture(std::span<const std::uint8_t> block);

// Empties the clipboard and puts the picture on it in both formats; false (and the
// clipboard untouched) when it cannot be opened.
bool CopyPictureToClipboard(ui::Clipboard& clipboard, const gfx::Picture& picture);

} // namespace ix::actions
