// The DLL as a register-convention host sees it: its exports and imports, the texts of
// qlInitPlugIn, dispatch answers and qlMessage.

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "win32/Harness.h"
#include "win32/ImportHook.h"
#include "win32/ModuleImage.h"
#include "win32/PluginLibrary.h"
#include "win32/RegisterCall.h"

namespace {

using ixwin::HostString;
using ixwin::PluginLibrary;

void CheckCallWasClean() {
  IX_CHECK_EQ(ixStackImbalance, 0);
  IX_CHECK_EQ(ixRegistersClobbered, 0);
}

// GlobalFree as the plug-in calls it, recording which blocks it freed.
std::vector<HGLOBAL>& FreedBlocks() {
  static std::vector<HGLOBAL> blocks;
  return blocks;
}
HGLOBAL WINAPI RecordingGlobalFree(HGLOBAL block) {
  FreedBlocks().push_back(block);
  return GlobalFree(block);
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

IX_CASE(ExportsAreExactlyTheEightEntryPoints) {
  PluginLibrary library;
  std::vector<std::string> names = ixwin::ExportNames(library.module());
  std::sort(names.begin(), names.end());
  const std::vector<std::string> expected = {"qlAbout",   "qlEditAction", "qlExecAction", "qlInitPlugIn",
                                             "qlMessage", "qlRegisterInterfaceAccess", "qlRegisterPlugIn",
                                             "qlRegisterScriptProcessor"};
  IX_CHECK(names == expected);
  for (const std::string& name : names) std::printf("export %s\n", name.c_str());
}

IX_CASE(ImportsOnlyWindowsOwnLibraries) {
  PluginLibrary library;
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  for (const std::string& name : ixwin::ImportedLibraries(library.module())) {
    std::printf("import %s\n", name.c_str());
    const std::string lower = Lower(name);
    IX_CHECK(lower.rfind("lib", 0) != 0);  // libstdc++, libgcc, libwinpthread
    const std::wstring path = std::wstring(system) + L"\\" + std::wstring(name.begin(), name.end());
    IX_CHECK(GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES);
  }
}

IX_CASE(InitSetsTheTextsAndFreesTheOldBlocks) {
  PluginLibrary library;
  const ixwin::ImportHook hook(library.module(), "KERNEL32.dll", "GlobalFree",
                               reinterpret_cast<void*>(&RecordingGlobalFree));
  IX_CHECK(hook.installed());
  FreedBlocks().clear();
  char* title = HostString("old title");
  char* publisher = HostString("old publisher");
  char* hint = nullptr;
  char* const oldTitle = title;
  char* const oldPublisher = publisher;
  library.InitPlugIn(0x1234, &title, &publisher, &hint);
  CheckCallWasClean();
  IX_CHECK(title && publisher && hint);
  IX_CHECK_EQ(std::string(title), std::string("ixCanvas 2.0"));
  IX_CHECK_EQ(std::string(publisher), std::string("The ixCanvas developers"));
  IX_CHECK_EQ(std::string(hint), std::string("Drawing in Quillary projects"));
  // The new texts are fixed global blocks, and the old ones are gone.
  IX_CHECK(GlobalSize(title) >= 13);
  IX_CHECK(GlobalSize(hint) >= 29);
  IX_CHECK(title != oldTitle && publisher != oldPublisher);
  IX_CHECK(FreedBlocks() == (std::vector<HGLOBAL>{oldTitle, oldPublisher}));
  GlobalFree(title);
  GlobalFree(publisher);
  GlobalFree(hint);
}

IX_CASE(IdsOutOfRangeAnswerFalseAndTouchNothing) {
  PluginLibrary library;
  library.RegisterCallbacks();
  char* params[7];
  for (char*& p : params) p = HostString("untouched");
  char* before[7];
  std::copy(params, params + 7, before);
  for (std::int32_t id : {0, 112, -1, static_cast<std::int32_t>(0x80000000u), 0x7FFFFFFF}) {
    IX_CHECK(!library.ExecAction(id, params));
    CheckCallWasClean();
    IX_CHECK(!library.EditAction(id, params));
    CheckCallWasClean();
  }
  for (int i = 0; i < 7; ++i) {
    IX_CHECK(params[i] == before[i]);
    IX_CHECK_EQ(std::string(params[i]), std::string("untouched"));
    GlobalFree(params[i]);
  }
  IX_CHECK_EQ(ixHostCallbackCalls, 0);
}

IX_CASE(NullParameterElementIsEmptyText) {
  PluginLibrary library;
  library.RegisterCallbacks();
  char* params[1] = {nullptr};
  IX_CHECK(!library.ExecAction(1, params));
  CheckCallWasClean();
  IX_CHECK(params[0] == nullptr);
}

IX_CASE(CloseAllTwiceAndOtherMessagesDoNothing) {
  PluginLibrary library;
  library.RegisterCallbacks();
  library.Message(2);
  CheckCallWasClean();
  library.Message(2);
  CheckCallWasClean();
  for (std::int32_t code : {0, 1, 3, -2}) library.Message(code);
  CheckCallWasClean();
  IX_CHECK_EQ(ixHostCallbackCalls, 0);
}
