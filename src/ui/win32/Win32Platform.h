// Win32Platform: the Platform of the Windows build, one per process.
//
// Forms get real windows (FormWindow), modal forms real dialogs (ModalDialog); message
// boxes and the colour and file dialogs are the system's; text is drawn by GDI; the
// clipboard is the system clipboard. The current cursor is shown at once when the mouse
// is over one of our windows, and by every window of ours on WM_SETCURSOR.
#pragma once

#include "ui/Platform.h"
#include "ui/win32/CursorSet.h"
#include "ui/win32/GdiText.h"
#include "ui/win32/SystemClipboard.h"

namespace ix::ui::win32 {

class Win32Platform : public Platform {
public:
    std::unique_ptr<NativeWindow> CreateNativeWindow(WindowClient& client, const gfx::Rect& bounds) override;
    ModalResult RunModal(Form& form) override;
    MessageBoxAnswer ShowMessageBox(const MessageBoxRequest& request) override;
    std::optional<gfx::Color> ChooseColor(const ColorDialogRequest& request) override;
    std::optional<FileDialogResult> ChooseFile(const FileDialogRequest& request) override;
    Clipboard& SystemClipboard() override { return clipboard_; }
    TextRenderer& Text() override { return text_; }
    bool PaintToDevice(std::uintptr_t deviceContext, Form& form, gfx::Point at) override;
    gfx::Size ScreenSize() const override;
    void SetCurrentCursor(int id) override;
    int CurrentCursor() const override { return cursor_; }
    bool LoadCursorFile(int slot, const std::string& fileName) override;
    bool CursorSlotLoaded(int slot) const override { return cursors_.SlotLoaded(slot); }
    void OpenUrl(const std::string& url) override;

    CursorSet& Cursors() { return cursors_; }
    GdiText& Gdi() { return text_; }

private:
    GdiText text_;
    CursorSet cursors_;
    win32::SystemClipboard clipboard_;
    int cursor_ = 0;
};

} // namespace ix::ui::win32
