#include "gfx/ops/TeaCipher.h"

#include <cstring>
#include <vector>

namespace ix::gfx {

namespace {

constexpr std::uint32_t kDelta = 0x9E3779B9u;

std::vector<std::uint8_t> Gather(const Picture& p)
{
    const std::size_t rowBytes = static_cast<std::size_t>(p.Width()) * 3;
    std::vector<std::uint8_t> bytes(rowBytes * static_cast<std::size_t>(p.Height()));
    for (int y = 0; y < p.Height(); ++y) std::memcpy(bytes.data() + rowBytes * static_cast<std::size_t>(y), p.Row(y), rowBytes);
    return bytes;
}

void Scatter(Picture& p, const std::vector<std::uint8_t>& bytes)
{
    const std::size_t rowBytes = static_cast<std::size_t>(p.Width()) * 3;
    for (int y = 0; y < p.Height(); ++y) std::memcpy(p.Row(y), bytes.data() + rowBytes * static_cast<std::size_t>(y), rowBytes);
}

std::uint32_t Load(const std::uint8_t* b) { return b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24; }
void Store(std::uint8_t* b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void Run(Picture& picture, std::string_view password, bool encrypt)
{
    if (picture.IsEmpty()) return;
    picture.ConvertTo(PixelFormat::Bgr24);
    const TeaKey key = TeaKeyFromPassword(password);
    std::vector<std::uint8_t> bytes = Gather(picture);
    const std::size_t blocks = bytes.size() / 8;
    for (std::size_t i = 0; i < blocks; ++i) {
        std::uint8_t* b = bytes.data() + i * 8;
        std::uint32_t v[2] = {Load(b), Load(b + 4)};
        if (encrypt) TeaEncipher(v, key); else TeaDecipher(v, key);
        Store(b, v[0]);
        Store(b + 4, v[1]);
    }
    // The tail: XOR with the enciphered block count, the same both ways.
    std::uint32_t stream[2] = {static_cast<std::uint32_t>(blocks), 0x7A696E6Bu};
    TeaEncipher(stream, key);
    std::uint8_t pad[8];
    Store(pad, stream[0]);
    Store(pad + 4, stream[1]);
    for (std::size_t i = blocks * 8; i < bytes.size(); ++i) bytes[i] ^= pad[i - blocks * 8];
    Scatter(picture, bytes);
}

} // namespace

TeaKey TeaKeyFromPassword(std::string_view password)
{
    TeaKey key{};
    for (std::size_t k = 0; k < key.size(); ++k) {
        std::uint32_t h = 2166136261u ^ static_cast<std::uint32_t>(k * 0x01000193u + k);
        for (char c : password) {
            h ^= static_cast<std::uint8_t>(c);
            h *= 16777619u;
        }
        h ^= static_cast<std::uint32_t>(k);
        h *= 16777619u;
        key[k] = h;
    }
    return key;
}

void TeaEncipher(std::uint32_t v[2], const TeaKey& k)
{
    std::uint32_t v0 = v[0], v1 = v[1], sum = 0;
    for (int i = 0; i < 32; ++i) {
        sum += kDelta;
        v0 += ((v1 << 4) + k[0]) ^ (v1 + sum) ^ ((v1 >> 5) + k[1]);
        v1 += ((v0 << 4) + k[2]) ^ (v0 + sum) ^ ((v0 >> 5) + k[3]);
    }
    v[0] = v0;
    v[1] = v1;
}

void TeaDecipher(std::uint32_t v[2], const TeaKey& k)
{
    std::uint32_t v0 = v[0], v1 = v[1], sum = kDelta * 32u;
    for (int i = 0; i < 32; ++i) {
        v1 -= ((v0 << 4) + k[2]) ^ (v0 + sum) ^ ((v0 >> 5) + k[3]);
        v0 -= ((v1 << 4) + k[0]) ^ (v1 + sum) ^ ((v1 >> 5) + k[1]);
        sum -= kDelta;
    }
    v[0] = v0;
    v[1] = v1;
}

void Encrypt(Picture& picture, std::string_view password) { Run(picture, password, true); }
void Decrypt(Picture& picture, std::string_view password) { Run(picture, password, false); }

} // namespace ix::gfx
