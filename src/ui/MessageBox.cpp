#include "ui/MessageBox.h"

#include "ui/Platform.h"

namespace ix::ui {

MessageBoxAnswer ShowMessage(const std::string& text, MessageBoxKind kind, const std::string& caption)
{
    MessageBoxRequest r;
    r.text = text;
    r.caption = caption;
    r.kind = kind;
    try {
        return ThePlatform().ShowMessageBox(r);
    } catch (...) {
        return MessageBoxAnswer::Ok;
    }
}

} // namespace ix::ui
