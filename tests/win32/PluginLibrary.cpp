#include "win32/PluginLibrary.h"

#include <cstring>
#include <stdexcept>

#include "win32/RegisterCall.h"

namespace ixwin {

std::wstring ProgramFolder() {
  wchar_t buffer[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
  std::wstring path(buffer, length);
  return path.substr(0, path.find_last_of(L"\\/"));
}

PluginLibrary::PluginLibrary(const std::wstring& path) : module_(LoadLibraryW(path.c_str())) {
  if (!module_) throw std::runtime_error("cannot load the plug-in");
}

PluginLibrary::~PluginLibrary() { FreeLibrary(module_); }

const void* PluginLibrary::Entry(const char* name) const {
  const void* entry = reinterpret_cast<const void*>(GetProcAddress(module_, name));
  if (!entry) throw std::runtime_error(std::string("missing entry point ") + name);
  return entry;
}

void PluginLibrary::InitPlugIn(std::int32_t hostWindow, char** title, char** publisher, char** hint) const {
  const std::uint32_t stack[] = {Arg(hint)};
  IxRegisterCall(Entry("qlInitPlugIn"), static_cast<std::uint32_t>(hostWindow), Arg(title), Arg(publisher), stack, 1);
}

void PluginLibrary::RegisterPlugIn(ixtest::Registration& registration) const {
  ixtest::CurrentRegistration() = &registration;
  const std::uint32_t stack[] = {Arg(reinterpret_cast<const void*>(&IxSetVarThunk))};
  IxRegisterCall(Entry("qlRegisterPlugIn"), Arg(reinterpret_cast<const void*>(&IxAddActionThunk)), 0x2222,
                 0x3333, stack, 1);
  ixtest::CurrentRegistration() = nullptr;
}

void PluginLibrary::RegisterCallbacks() const {
  IxRegisterCall(Entry("qlRegisterScriptProcessor"), Arg(reinterpret_cast<const void*>(&IxScriptProcessorThunk)), 0,
                 0, nullptr, 0);
  IxRegisterCall(Entry("qlRegisterInterfaceAccess"), Arg(reinterpret_cast<const void*>(&IxInterfaceAccessThunk)), 0,
                 0, nullptr, 0);
}

bool PluginLibrary::ExecAction(std::int32_t id, char** params) const {
  // Only AL carries the Boolean: fill the rest of EAX's input with garbage on purpose.
  return (IxRegisterCall(Entry("qlExecAction"), static_cast<std::uint32_t>(id), Arg(params), 0xEEEEEEEE, nullptr, 0) &
          0xFF) != 0;
}

bool PluginLibrary::EditAction(std::int32_t id, char** params) const {
  return (IxRegisterCall(Entry("qlEditAction"), static_cast<std::uint32_t>(id), Arg(params), 0xEEEEEEEE, nullptr, 0) &
          0xFF) != 0;
}

void PluginLibrary::Message(std::int32_t code) const {
  IxRegisterCall(Entry("qlMessage"), static_cast<std::uint32_t>(code), 0xAAAAAAAA, 0xBBBBBBBB, nullptr, 0);
}

void PluginLibrary::About() const { IxRegisterCall(Entry("qlAbout"), 0, 0, 0, nullptr, 0); }

char* HostString(const std::string& text) {
  char* block = static_cast<char*>(GlobalAlloc(GMEM_FIXED, text.size() + 1));
  std::memcpy(block, text.c_str(), text.size() + 1);
  return block;
}

}  // namespace ixwin
