// TeaCipher: a picture's colour bytes encrypted and decrypted with a password.
//
// The colour bytes (rows from the top, three per pixel, alpha untouched) form one
// stream, cut into 8-byte blocks that are enciphered with TEA (Tiny Encryption
// Algorithm, 32 cycles); the last bytes that do not fill a block are combined with a
// TEA keystream so that every byte changes and the picture keeps its size. The 128-bit
// key is derived from the password bytes by four differently seeded FNV-1a hashes: a
// scrambling, not a protection against a determined attacker. Decrypt with the same
// password restores what Encrypt produced as long as the pixels were not changed in
// between. A black-and-white picture is converted to 24-bit colour first.
#pragma once

#include "gfx/Picture.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace ix::gfx {

using TeaKey = std::array<std::uint32_t, 4>;

TeaKey TeaKeyFromPassword(std::string_view password);
// One block, in place: v[0], v[1].
void TeaEncipher(std::uint32_t v[2], const TeaKey& key);
void TeaDecipher(std::uint32_t v[2], const TeaKey& key);

void Encrypt(Picture& picture, std::string_view password);
void Decrypt(Picture& picture, std::string_view password);

} // namespace ix::gfx
