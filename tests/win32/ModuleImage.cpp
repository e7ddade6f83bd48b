#include "win32/ModuleImage.h"

namespace ixwin {
namespace {

const IMAGE_DATA_DIRECTORY& Directory(HMODULE module, int index) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
  return nt->OptionalHeader.DataDirectory[index];
}

}  // namespace

std::vector<std::string> ExportNames(HMODULE module) {
  std::vector<std::string> names;
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const IMAGE_DATA_DIRECTORY& directory = Directory(module, IMAGE_DIRECTORY_ENTRY_EXPORT);
  if (directory.VirtualAddress == 0) return names;
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
  const auto* nameTable = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) names.emplace_back(reinterpret_cast<const char*>(base + nameTable[i]));
  // Functions exported by ordinal only would not show as names: count them too.
  for (DWORD i = exports->NumberOfNames; i < exports->NumberOfFunctions; ++i) names.emplace_back("<ordinal>");
  return names;
}

std::vector<std::string> ImportedLibraries(HMODULE module) {
  std::vector<std::string> libraries;
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const IMAGE_DATA_DIRECTORY& directory = Directory(module, IMAGE_DIRECTORY_ENTRY_IMPORT);
  if (directory.VirtualAddress == 0) return libraries;
  for (const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
       entry->Name != 0; ++entry) {
    libraries.emplace_back(reinterpret_cast<const char*>(base + entry->Name));
  }
  return libraries;
}

}  // namespace ixwin
