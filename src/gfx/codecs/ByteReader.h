// ByteReader: bounded reading of little- and big-endian fields from a byte view.
//
// Every read checks the remaining length and throws GfxError("<format>: truncated")
// instead of reading past the end, so a decoder can trust no header and still never
// read outside its input.
#pragma once

#include "gfx/GfxError.h"
#include "gfx/codecs/Codec.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace ix::gfx::codecs {

class ByteReader {
public:
    ByteReader(ByteView data, const char* format) : data_(data), format_(format) {}

    std::size_t Position() const { return pos_; }
    std::size_t Size() const { return data_.size(); }
    std::size_t Remaining() const { return data_.size() - pos_; }
    bool AtEnd() const { return pos_ >= data_.size(); }

    // Moves to an absolute offset; past the end throws.
    void Seek(std::size_t offset)
    {
        if (offset > data_.size()) Fail("offset out of range");
        pos_ = offset;
    }
    void Skip(std::size_t n) { Need(n); pos_ += n; }

    std::uint8_t U8() { Need(1); return data_[pos_++]; }
    std::uint16_t U16LE() { Need(2); std::uint16_t v = static_cast<std::uint16_t>(data_[pos_] | data_[pos_ + 1] << 8); pos_ += 2; return v; }
    std::uint16_t U16BE() { Need(2); std::uint16_t v = static_cast<std::uint16_t>(data_[pos_] << 8 | data_[pos_ + 1]); pos_ += 2; return v; }
    std::uint32_t U32LE()
    {
        Need(4);
        const std::uint8_t* p = data_.data() + pos_;
        pos_ += 4;
        return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
               static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    }
    std::uint32_t U32BE()
    {
        Need(4);
        const std::uint8_t* p = data_.data() + pos_;
        pos_ += 4;
        return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
               static_cast<std::uint32_t>(p[2]) << 8 | static_cast<std::uint32_t>(p[3]);
    }
    std::int16_t I16BE() { return static_cast<std::int16_t>(U16BE()); }
    std::int32_t I32LE() { return static_cast<std::int32_t>(U32LE()); }
    std::int32_t I32BE() { return static_cast<std::int32_t>(U32BE()); }

    // A view of the next n bytes, consumed.
    ByteView Bytes(std::size_t n)
    {
        Need(n);
        ByteView v = data_.subspan(pos_, n);
        pos_ += n;
        return v;
    }
    // The rest of the input, not consumed.
    ByteView Rest() const { return data_.subspan(pos_); }

    [[noreturn]] void Fail(const char* what) const { throw GfxError(std::string(format_) + ": " + what); }

private:
    void Need(std::size_t n) const
    {
        if (n > data_.size() - pos_) Fail("truncated");
    }

    ByteView data_;
    const char* format_;
    std::size_t pos_ = 0;
};

} // namespace ix::gfx::codecs
