// ixcatalog: loads libixcanvas.so the way a host does (dlopen, the eight entry points by
// name), initializes and registers it, and prints what it registered: the texts of
// qlInitPlugIn, then one line per catalogue row with id, name, parameter types and hint,
// converted from Windows-1251 to UTF-8.
//
// Usage: ixcatalog [path/to/libixcanvas.so]   (default: the library of this build tree)
// Exit status: 0 when all eight entry points exist and 121 rows were registered.

#include <ixcanvas/plugin.h>
#include <ixcanvas/headless.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "gfx/Cp1251.h"

namespace {

int rows = 0;

std::string Utf8(const char* cp1251) { return cp1251 ? ix::gfx::Cp1251ToUtf8(cp1251) : std::string("(null)"); }

const char* TypeName(std::uint8_t code) {
  switch (code) {
    case IX_PT_TEXT: return "text";
    case IX_PT_FILENAME: return "file name";
    case IX_PT_VARIABLE: return "variable";
    default: return "?";
  }
}

void IX_HOSTCALL PrintRow(std::int32_t id, const char* name, const char* hint,
                          IX_HOSTCALL_TAIL3(const std::uint8_t* types, std::int32_t typesHigh, std::int32_t count)) {
  ++rows;
  if (id == 0) {
    std::printf("\n== %s\n", Utf8(name).c_str());
    return;
  }
  std::string parameters;
  for (std::int32_t i = 0; types && i <= typesHigh && i < count; ++i) {
    if (i) parameters += ", ";
    parameters += TypeName(types[i]);
  }
  std::printf("%3d  %s(%s)\n       %s\n", id, Utf8(name).c_str(), parameters.c_str(), Utf8(hint).c_str());
}

int PrintMessageBox(void*, const char* text, const char*, int, int) {
  std::printf("[message box] %s\n", Utf8(text).c_str());
  return IXH_MB_OK;
}

template <class Fn>
Fn Lookup(void* library, const char* name, bool& complete) {
  void* symbol = dlsym(library, name);
  if (!symbol) {
    std::fprintf(stderr, "ixcatalog: entry point %s missing\n", name);
    complete = false;
  }
  return reinterpret_cast<Fn>(symbol);
}

std::filesystem::path DefaultLibrary() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return self.parent_path().parent_path() / "libixcanvas.so";
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : DefaultLibrary().string();
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    std::fprintf(stderr, "ixcatalog: cannot load %s: %s\n", path.c_str(), dlerror());
    return 1;
  }
  bool complete = true;
  auto init = Lookup<IxInitPlugInFn>(library, "qlInitPlugIn", complete);
  auto registerPlugIn = Lookup<IxRegisterPlugInFn>(library, "qlRegisterPlugIn", complete);
  Lookup<IxRegisterScriptProcessorFn>(library, "qlRegisterScriptProcessor", complete);
  Lookup<IxRegisterInterfaceAccessFn>(library, "qlRegisterInterfaceAccess", complete);
  Lookup<IxExecActionFn>(library, "qlExecAction", complete);
  Lookup<IxEditActionFn>(library, "qlEditAction", complete);
  Lookup<IxMessageFn>(library, "qlMessage", complete);
  Lookup<IxAboutFn>(library, "qlAbout", complete);
  if (!complete) return 1;
  // The headless window system's message boxes come to this program's console.
  if (auto setDriver = reinterpret_cast<decltype(&ixh_set_message_box_driver)>(
          dlsym(library, "ixh_set_message_box_driver"))) {
    setDriver(&PrintMessageBox, nullptr);
  }

  char* title = nullptr;
  char* publisher = nullptr;
  char* hint = nullptr;
  init(0, &title, &publisher, &hint);
  std::printf("%s\n  publisher: %s\n  hint:      %s\n", Utf8(title).c_str(), Utf8(publisher).c_str(), Utf8(hint).c_str());
  std::free(title);
  std::free(publisher);
  std::free(hint);

  registerPlugIn(&PrintRow, nullptr, nullptr, nullptr);
  std::printf("\n%d rows registered\n", rows);
  return rows == 121 ? 0 : 1;
}
