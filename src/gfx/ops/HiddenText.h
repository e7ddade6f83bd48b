// HiddenText: text carried in the lowest bits of a 24-bit picture's colour bytes.
//
// The carrier is the sequence of colour bytes, rows from the top, each row in storage
// order (three per pixel). One stream bit per carrier byte, each stream byte in eight
// consecutive carrier bytes, lowest bit first. The stream is an 8-byte header (four
// zero bytes, then the text length as 32-bit little-endian) followed by the text.
// A bit is stored by adding 1 to a carrier byte whose lowest bit differs, except that
// 255 becomes 254. Writing stops at the end of the picture (a long text is cut off);
// reading accepts a header only when its first four bytes are 0 and the length is below
// the carrier's byte count, and gives empty text otherwise. A black-and-white picture
// is converted to 24-bit colour before writing; reading one gives empty text.
#pragma once

#include "gfx/Picture.h"

#include <string>
#include <string_view>

namespace ix::gfx {

void WriteHiddenText(Picture& picture, std::string_view text);
std::string ReadHiddenText(const Picture& picture);

} // namespace ix::gfx
