#pragma once
// What a loaded module's PE image declares: its export names and imported DLLs.

#include <windows.h>

#include <string>
#include <vector>

namespace ixwin {

std::vector<std::string> ExportNames(HMODULE module);
std::vector<std::string> ImportedLibraries(HMODULE module);

}  // namespace ixwin
