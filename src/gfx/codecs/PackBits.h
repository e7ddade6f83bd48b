// PackBits: the byte-oriented run-length code of Photoshop channels and our layer file.
//
// A control byte n of 0..127 is followed by n + 1 literal bytes; −1..−127 by one byte
// repeated 1 − n times; −128 is skipped. Runs never cross a row.
#pragma once

#include "gfx/codecs/Codec.h"

#include <span>

namespace ix::gfx::codecs {

// Unpacks into exactly out.size() bytes; throws GfxError("<format>: ...") when the data
// ends early or a run would pass the end of the row.
void UnpackBits(ByteView packed, std::span<std::uint8_t> out, const char* format);
// Appends the packed form of one row.
void PackBits(ByteView row, Bytes& out);

} // namespace ix::gfx::codecs
