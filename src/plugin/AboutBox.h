#pragma once
// The About box: modal, parented to the active window, destroyed when it closes.

namespace ix::plugin {

void ShowAboutBox();

}  // namespace ix::plugin
