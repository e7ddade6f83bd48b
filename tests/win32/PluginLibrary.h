#pragma once
// ixCanvas.qlp loaded the way a host loads it (LoadLibrary, entry points by undecorated
// name) and called through the register convention.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "plugin/FakeHost.h"

namespace ixwin {

// The folder of this executable.
std::wstring ProgramFolder();

class PluginLibrary {
 public:
  // Loads `path`, by default the copy in the "plugin" folder next to this executable.
  explicit PluginLibrary(const std::wstring& path = ProgramFolder() + L"\\plugin\\ixCanvas.qlp");
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  HMODULE module() const { return module_; }
  const void* Entry(const char* name) const;

  void InitPlugIn(std::int32_t hostWindow, char** title, char** publisher, char** hint) const;
  // Registers with the assembly AddActionProc, recording into `registration`.
  void RegisterPlugIn(ixtest::Registration& registration) const;
  void RegisterCallbacks() const;
  bool ExecAction(std::int32_t id, char** params) const;
  bool EditAction(std::int32_t id, char** params) const;
  void Message(std::int32_t code) const;
  void About() const;

 private:
  HMODULE module_ = nullptr;
};

// A host string as the host makes one.
char* HostString(const std::string& text);

}  // namespace ixwin
