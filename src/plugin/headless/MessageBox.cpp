#include "plugin/MessageBox.h"

#include <ixcanvas/plugin_headless.h>

#include <string>

#include "plugin/Export.h"
#include "plugin/Guard.h"

namespace ix::plugin {
namespace {

struct MessageBoxDriverSlot {
  IxMessageBoxDriver driver = nullptr;
  void* context = nullptr;
};

MessageBoxDriverSlot& DriverSlot() {
  static MessageBoxDriverSlot slot;
  return slot;
}

}  // namespace

void ShowMessage(std::string_view text) {
  const MessageBoxDriverSlot& slot = DriverSlot();
  if (!slot.driver) return;
  const std::string copy(text);
  slot.driver(copy.c_str(), slot.context);
}

}  // namespace ix::plugin

IX_EXPORT void ixPluginSetMessageBoxDriver(IxMessageBoxDriver driver, void* context) {
  ix::plugin::DriverSlot() = {driver, context};
}
