#pragma once
// Replaces one imported function of a loaded module by patching its import address table,
// so that a test can watch what the module calls (for example GlobalFree); restored on
// destruction.

#include <windows.h>

namespace ixwin {

class ImportHook {
 public:
  ImportHook(HMODULE module, const char* library, const char* function, void* replacement);
  ~ImportHook();
  ImportHook(const ImportHook&) = delete;
  ImportHook& operator=(const ImportHook&) = delete;

  bool installed() const { return slot_ != nullptr; }
  void* original() const { return original_; }

 private:
  void Write(void* value);

  void** slot_ = nullptr;
  void* original_ = nullptr;
};

}  // namespace ixwin
