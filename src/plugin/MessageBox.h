#pragma once
// A modal message with an OK button, parented to the active window; returns when closed.

#include <string_view>

namespace ix::plugin {

// `text` is Windows-1251.
void ShowMessage(std::string_view text);

}  // namespace ix::plugin
