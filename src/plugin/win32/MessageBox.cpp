#include "plugin/MessageBox.h"

#include <windows.h>

#include <string>

#include "gfx/Cp1251.h"

namespace ix::plugin {

void ShowMessage(std::string_view text) {
  const std::u16string wide = gfx::Cp1251ToUtf16(text);
  const std::wstring message(wide.begin(), wide.end());
  MessageBoxW(GetActiveWindow(), message.c_str(), L"ixCanvas", MB_OK | MB_TASKMODAL);
}

}  // namespace ix::plugin
