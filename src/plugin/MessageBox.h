#pragma once
// A modal warning with an OK button, through the toolkit (a real message box on Windows,
// the message-box driver headless); returns when it is closed.

#include <string_view>

namespace ix::plugin {

// `text` is Windows-1251.
void ShowMessage(std::string_view text);

}  // namespace ix::plugin
