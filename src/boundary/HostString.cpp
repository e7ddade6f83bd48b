#include "boundary/HostString.h"

#include <cstring>

#include "boundary/HostMemory.h"

namespace ix::boundary {

bool SetHostString(char*& variable, std::string_view text) {
  // The new block is made before the old one goes, so that a failed allocation leaves the
  // variable holding a valid string rather than a dangling pointer.
  char* block = AllocateHostBlock(text.size() + 1);
  if (!block) return false;
  if (!text.empty()) std::memcpy(block, text.data(), text.size());
  block[text.size()] = '\0';
  if (variable) FreeHostBlock(variable);
  variable = block;
  return true;
}

void FreeHostString(char*& variable) {
  if (!variable) return;
  FreeHostBlock(variable);
  variable = nullptr;
}

std::string HostStringText(const char* variable) { return variable ? std::string(variable) : std::string(); }

ScopedHostString::ScopedHostString(std::string_view text) { SetHostString(block_, text); }

ScopedHostString::~ScopedHostString() { FreeHostString(block_); }

}  // namespace ix::boundary
