// ByteWriter: appends little- and big-endian fields to a growing byte vector.
#pragma once

#include "gfx/codecs/Codec.h"

#include <cstdint>

namespace ix::gfx::codecs {

class ByteWriter {
public:
    explicit ByteWriter(Bytes& out) : out_(out) {}

    void U8(unsigned v) { out_.push_back(static_cast<std::uint8_t>(v)); }
    void U16LE(unsigned v) { U8(v & 0xFF); U8(v >> 8 & 0xFF); }
    void U16BE(unsigned v) { U8(v >> 8 & 0xFF); U8(v & 0xFF); }
    void U32LE(std::uint32_t v) { U16LE(v & 0xFFFF); U16LE(v >> 16); }
    void U32BE(std::uint32_t v) { U16BE(v >> 16); U16BE(v & 0xFFFF); }
    void I32LE(std::int32_t v) { U32LE(static_cast<std::uint32_t>(v)); }
    void Append(ByteView bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }
    void Text(const char* s) { while (*s) U8(static_cast<unsigned char>(*s++)); }
    void Fill(std::size_t n, std::uint8_t v) { out_.insert(out_.end(), n, v); }
    std::size_t Size() const { return out_.size(); }
    // Overwrites a 32-bit little-endian field written earlier (sizes known only at the end).
    void PatchU32LE(std::size_t at, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i) out_[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }

private:
    Bytes& out_;
};

} // namespace ix::gfx::codecs
