// ShowMessage: the framework's simple message box (one OK button) through the platform.
// Headless without a driver it returns at once.
#pragma once

#include "ui/Dialogs.h"

#include <string>

namespace ix::ui {

MessageBoxAnswer ShowMessage(const std::string& text, MessageBoxKind kind = MessageBoxKind::Information,
                             const std::string& caption = {});

} // namespace ix::ui
