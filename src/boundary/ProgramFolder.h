#pragma once
// The folder of the running process's main executable (the host program, not the
// plug-in library), where the localization file sits.

#include <filesystem>

namespace ix::boundary {

// Empty when the system cannot tell.
std::filesystem::path ProgramFolder();

}  // namespace ix::boundary
