#include "boundary/ProgramFolder.h"

#include <windows.h>

#include <string>

namespace ix::boundary {

std::filesystem::path ProgramFolder() {
  // The null module is the process's executable; long paths need a bigger buffer.
  std::wstring buffer(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 6; ++attempt) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      return std::filesystem::path(buffer).parent_path();
    }
    buffer.resize(buffer.size() * 2);
  }
  return {};
}

}  // namespace ix::boundary
