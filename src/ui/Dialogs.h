// Requests and answers of the system dialogs and message boxes.
//
// Every text is Windows-1251. A file filter is the system's "description|patterns|..."
// string; filter indexes are 1-based as the system counts them.
#pragma once

#include "gfx/Color.h"

#include <optional>
#include <string>

namespace ix::ui {

enum class MessageBoxKind { Information, Warning, Error, Question };
enum class MessageBoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
// Answer ids as the system numbers them.
enum class MessageBoxAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    MessageBoxKind kind = MessageBoxKind::Information;
    MessageBoxButtons buttons = MessageBoxButtons::Ok;
};

struct ColorDialogRequest {
    gfx::Color initial = gfx::colors::Black;
};

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title;      // empty: the system's default title
    std::string initialDir; // empty: the system decides
    std::string fileName;
    std::string filter;
    int filterIndex = 1;
    bool preview = false;       // a picture preview pane
    bool alwaysAnimate = false; // animated previews play
};

struct FileDialogResult {
    std::string fileName;
    int filterIndex = 1;
};

} // namespace ix::ui
