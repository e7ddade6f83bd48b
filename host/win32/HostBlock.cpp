#include "host/HostStrings.h"

#include <windows.h>

namespace ix::host {

// GMEM_FIXED: the handle is the pointer, which is what both sides dereference.
char* AllocateHostBlock(std::size_t size) noexcept { return static_cast<char*>(GlobalAlloc(GMEM_FIXED, size)); }

void FreeHostBlock(char* block) noexcept
{
    if (block) GlobalFree(block);
}

} // namespace ix::host
