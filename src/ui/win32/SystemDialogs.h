// SystemDialogs: message boxes and the system colour, open and save dialogs.
//
// Each is owned by the thread's active window (the host's window or our dialog on top of
// it), so it stays in front of it and the host's window is disabled while it runs.
// Texts go in as Windows-1251 and come back the same way. A chosen file name holding
// characters that Windows-1251 cannot write comes back in its short (8.3) form, which
// names the same file; when there is none, the choice counts as cancelled rather than
// coming back as a name of some other file or of none.
#pragma once

#include "ui/Dialogs.h"

#include <windows.h>

#include <optional>

namespace ix::ui::win32 {

// The window a modal window of ours is owned by: the active window of this thread, or
// the foreground window when it belongs to this thread; null when there is none.
HWND ModalOwner();

MessageBoxAnswer ShowSystemMessageBox(const MessageBoxRequest& request);
std::optional<gfx::Color> ShowColorDialog(const ColorDialogRequest& request);
std::optional<FileDialogResult> ShowFileDialog(const FileDialogRequest& request);

} // namespace ix::ui::win32
