// FileSystem: the few file operations the file actions need, with names as the host
// gives them: Windows-1251 text, relative names resolved against the process's current
// directory. Linux converts the name to UTF-8; Windows converts it to UTF-16 and uses the
// wide-character API, so Cyrillic names work on both.
#pragma once

#include "gfx/codecs/Codec.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ix::gfx::codecs {

// Files larger than this are refused before reading (the whole file is read into memory).
inline constexpr std::size_t kMaxFileBytes = std::size_t{512} << 20;

// A regular file of that name exists (a folder does not count).
bool FileExists(std::string_view cp1251Name);
// A folder of that name exists.
bool FolderExists(std::string_view cp1251Name);
// The whole file. Throws GfxError when it cannot be opened or read, or is too large.
Bytes ReadWholeFile(std::string_view cp1251Name);
// Creates or replaces the file. Throws GfxError when it cannot be created or written.
void WriteWholeFile(std::string_view cp1251Name, ByteView bytes);

} // namespace ix::gfx::codecs
