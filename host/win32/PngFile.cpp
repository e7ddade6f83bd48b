#include "host/PngFile.h"

#include "gfx/Cp1251.h"
#include "host/ScriptError.h"
#include "host/Text.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

namespace ix::host {
namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

std::uint32_t Crc(std::string_view type, const std::vector<std::uint8_t>& data)
{
    std::uint32_t c = 0xFFFFFFFFu;
    for (char ch : type) c = kCrcTable[(c ^ static_cast<std::uint8_t>(ch)) & 0xFF] ^ (c >> 8);
    for (std::uint8_t b : data) c = kCrcTable[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, std::string_view type, const std::vector<std::uint8_t>& data)
{
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc(type, data));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::vector<std::uint8_t> StoredZlib(const std::vector<std::uint8_t>& raw)
{
    std::vector<std::uint8_t> z = {0x78, 0x01};
    constexpr std::size_t kBlock = 65535;
    std::size_t pos = 0;
    do {
        std::size_t n = std::min(kBlock, raw.size() - pos);
        bool last = pos + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<std::uint8_t>(n & 0xFF));
        z.push_back(static_cast<std::uint8_t>(n >> 8));
        z.push_back(static_cast<std::uint8_t>(~n & 0xFF));
        z.push_back(static_cast<std::uint8_t>((~n >> 8) & 0xFF));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos), raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(z, (b << 16) | a);
    return z;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

void WritePng(const std::string& path, const RgbaImage& image, int line)
{
    if (image.width <= 0 || image.height <= 0) throw ScriptError(line, "nothing to write: the picture is empty");
    std::vector<std::uint8_t> raw;
    const std::size_t stride = static_cast<std::size_t>(image.width) * 4;
    raw.reserve((stride + 1) * static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0); // filter: none
        const std::uint8_t* row = image.Pixel(0, y);
        raw.insert(raw.end(), row, row + stride);
    }
    std::vector<std::uint8_t> header;
    PutBigEndian(header, static_cast<std::uint32_t>(image.width));
    PutBigEndian(header, static_cast<std::uint32_t>(image.height));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, no filter set, no interlace

    std::vector<std::uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", StoredZlib(raw));
    PutChunk(file, "IEND", {});

    std::u16string wide = gfx::Cp1251ToUtf16(path);
    std::unique_ptr<std::FILE, FileCloser> out(_wfopen(reinterpret_cast<const wchar_t*>(wide.c_str()), L"wb"));
    if (!out || std::fwrite(file.data(), 1, file.size(), out.get()) != file.size() || std::fflush(out.get()) != 0)
        throw ScriptError(line, "cannot write " + ToUtf8(path));
}

} // namespace ix::host
