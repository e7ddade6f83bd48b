// qlAbout on Windows: a real modal dialog captioned "About" with a 319 x 157 client area,
// closed by its OK button.

#include <windows.h>

#include <string>

#include "win32/Harness.h"
#include "win32/PluginLibrary.h"
#include "win32/RegisterCall.h"
#include "win32/ToolkitDriver.h"

namespace {

struct AboutSeen {
  HWND box = nullptr;
  RECT client = {};
  bool pressedOk = false;
};

BOOL CALLBACK FindAbout(HWND window, LPARAM context) {
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  if (IsWindowVisible(window) && std::wstring(title) == L"About") {
    *reinterpret_cast<HWND*>(context) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

IX_CASE(AboutBoxIsAModalDialogClosedByOk) {
  ixwin::PluginLibrary library;
  AboutSeen seen;
  ixwin::TimerDriver driver([&] {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindAbout, reinterpret_cast<LPARAM>(&box));
    if (!box) return false;
    seen.box = box;
    GetClientRect(box, &seen.client);
    if (HWND ok = FindWindowExW(box, nullptr, L"BUTTON", L"OK")) {
      seen.pressedOk = true;
      PostMessageW(ok, BM_CLICK, 0, 0);
    } else {
      PostMessageW(box, WM_CLOSE, 0, 0);
    }
    return true;
  });
  library.About();
  IX_CHECK_EQ(ixStackImbalance, 0);
  IX_CHECK(seen.box != nullptr);
  IX_CHECK_EQ(seen.client.right - seen.client.left, 319L);
  IX_CHECK_EQ(seen.client.bottom - seen.client.top, 157L);
  IX_CHECK(seen.pressedOk);
  IX_CHECK(!IsWindow(seen.box));  // destroyed when it closed
}
