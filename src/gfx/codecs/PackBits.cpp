#include "gfx/codecs/PackBits.h"

#include "gfx/codecs/ByteReader.h"

#include <cstring>

namespace ix::gfx::codecs {

void UnpackBits(ByteView packed, std::span<std::uint8_t> out, const char* format)
{
    ByteReader in(packed, format);
    std::size_t at = 0;
    while (at < out.size()) {
        const auto n = static_cast<std::int8_t>(in.U8());
        if (n >= 0) {
            const std::size_t count = static_cast<std::size_t>(n) + 1;
            if (count > out.size() - at) in.Fail("run past the row");
            ByteView literal = in.Bytes(count);
            std::memcpy(out.data() + at, literal.data(), count);
            at += count;
        } else if (n != -128) {
            const std::size_t count = static_cast<std::size_t>(1 - n);
            if (count > out.size() - at) in.Fail("run past the row");
            std::memset(out.data() + at, in.U8(), count);
            at += count;
        }
    }
}

void PackBits(ByteView row, Bytes& out)
{
    std::size_t i = 0;
    const std::size_t n = row.size();
    while (i < n) {
        std::size_t run = 1;
        while (i + run < n && run < 128 && row[i + run] == row[i]) ++run;
        if (run >= 2) {
            out.push_back(static_cast<std::uint8_t>(static_cast<std::int8_t>(1 - static_cast<int>(run))));
            out.push_back(row[i]);
            i += run;
            continue;
        }
        std::size_t literal = 1;
        while (i + literal < n && literal < 128 && !(i + literal + 1 < n && row[i + literal] == row[i + literal + 1])) ++literal;
        out.push_back(static_cast<std::uint8_t>(literal - 1));
        out.insert(out.end(), row.begin() + static_cast<std::ptrdiff_t>(i), row.begin() + static_cast<std::ptrdiff_t>(i + literal));
        i += literal;
    }
}

} // namespace ix::gfx::codecs
