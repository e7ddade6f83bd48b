#include "win32/ImportHook.h"

#include <cstring>

namespace ixwin {

ImportHook::ImportHook(HMODULE module, const char* library, const char* function, void* replacement) {
  const auto* base = reinterpret_cast<BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (directory.VirtualAddress == 0) return;
  for (const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
       entry->Name != 0; ++entry) {
    if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), library) != 0) continue;
    const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA32*>(base + entry->OriginalFirstThunk);
    auto* addresses = reinterpret_cast<IMAGE_THUNK_DATA32*>(const_cast<BYTE*>(base) + entry->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++addresses) {
      if (names->u1.Ordinal & IMAGE_ORDINAL_FLAG32) continue;
      const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0) continue;
      slot_ = reinterpret_cast<void**>(&addresses->u1.Function);
      original_ = *slot_;
      Write(replacement);
      return;
    }
  }
}

ImportHook::~ImportHook() {
  if (slot_) Write(original_);
}

void ImportHook::Write(void* value) {
  DWORD protection = 0;
  VirtualProtect(slot_, sizeof(void*), PAGE_READWRITE, &protection);
  *slot_ = value;
  VirtualProtect(slot_, sizeof(void*), protection, &protection);
}

}  // namespace ixwin
