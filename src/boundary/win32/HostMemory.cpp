#include "boundary/HostMemory.h"

#include <windows.h>

namespace ix::boundary {

char* AllocateHostBlock(std::size_t size) noexcept {
  // GMEM_FIXED: the handle is the pointer, which is what the host dereferences.
  return static_cast<char*>(GlobalAlloc(GMEM_FIXED, size));
}

void FreeHostBlock(char* block) noexcept { GlobalFree(block); }

}  // namespace ix::boundary
