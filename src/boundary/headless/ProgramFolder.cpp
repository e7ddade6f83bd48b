#include "boundary/ProgramFolder.h"

#include <system_error>

namespace ix::boundary {

std::filesystem::path ProgramFolder() {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return program.parent_path();
}

}  // namespace ix::boundary
