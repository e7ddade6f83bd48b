#pragma once
// The allocator host strings live in, shared with the host (one implementation per target).

#include <cstddef>

namespace ix::boundary {

// A fixed block of `size` bytes, or null when none can be had.
char* AllocateHostBlock(std::size_t size) noexcept;
void FreeHostBlock(char* block) noexcept;

}  // namespace ix::boundary
