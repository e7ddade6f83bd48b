#include "plugin/AboutBox.h"

namespace ix::plugin {

// The box is built on the form toolkit once it offers forms, labels and buttons with a
// modal driver; until then the call returns at once.
void ShowAboutBox() {}

}  // namespace ix::plugin
