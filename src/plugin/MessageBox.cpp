#include "plugin/MessageBox.h"

#include <string>

#include "ui/Dialogs.h"
#include "ui/Platform.h"

namespace ix::plugin {

void ShowMessage(std::string_view text) {
  ui::MessageBoxRequest request;
  request.text = std::string(text);
  request.caption = "ixCanvas";
  request.kind = ui::MessageBoxKind::Warning;
  request.buttons = ui::MessageBoxButtons::Ok;
  ui::ThePlatform().ShowMessageBox(request);
}

}  // namespace ix::plugin
