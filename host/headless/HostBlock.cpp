#include "host/HostStrings.h"

#include <cstdlib>

namespace ix::host {

char* AllocateHostBlock(std::size_t size) noexcept { return static_cast<char*>(std::malloc(size)); }

void FreeHostBlock(char* block) noexcept { std::free(block); }

} // namespace ix::host
