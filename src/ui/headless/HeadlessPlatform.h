// HeadlessPlatform: the Platform of the Linux build, one per process.
//
// Windows live in a WindowSystem in memory. Modal forms, message boxes and the colour and
// file dialogs go to drivers that a host or test installs; without a driver a modal form
// ends with Cancel, a message box with its first button (OK), and a dialog as cancelled,
// all at once, so nothing ever waits. Message boxes are also kept in a short log (the
// last kMessageLog), and opened web addresses likewise, so a test can see them.
#pragma once

#include "ui/Platform.h"
#include "ui/headless/FreeTypeText.h"
#include "ui/headless/HeadlessClipboard.h"
#include "ui/headless/WindowSystem.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ix::ui::headless {

class HeadlessPlatform : public Platform {
public:
    static constexpr std::size_t kMessageLog = 64;
    static constexpr gfx::Size kScreen{1024, 768};

    using ModalDriver = std::function<ModalResult(Form&)>;
    using MessageBoxDriver = std::function<MessageBoxAnswer(const MessageBoxRequest&)>;
    using ColorDriver = std::function<std::optional<gfx::Color>(const ColorDialogRequest&)>;
    using FileDriver = std::function<std::optional<FileDialogResult>(const FileDialogRequest&)>;

    std::unique_ptr<NativeWindow> CreateNativeWindow(WindowClient& client, const gfx::Rect& bounds) override;
    ModalResult RunModal(Form& form) override;
    MessageBoxAnswer ShowMessageBox(const MessageBoxRequest& request) override;
    std::optional<gfx::Color> ChooseColor(const ColorDialogRequest& request) override;
    std::optional<FileDialogResult> ChooseFile(const FileDialogRequest& request) override;
    Clipboard& SystemClipboard() override { return clipboard_; }
    TextRenderer& Text() override { return text_; }
    bool PaintToDevice(std::uintptr_t deviceContext, Form& form, gfx::Point at) override;
    gfx::Size ScreenSize() const override { return kScreen; }
    void SetCurrentCursor(int id) override { cursor_ = id; }
    int CurrentCursor() const override { return cursor_; }
    bool LoadCursorFile(int slot, const std::string& fileName) override;
    bool CursorSlotLoaded(int slot) const override { return cursorSlots_.count(slot) != 0; }
    void OpenUrl(const std::string& url) override;

    WindowSystem& Windows() { return windows_; }
    HeadlessClipboard& HeadlessClip() { return clipboard_; }

    void SetModalDriver(ModalDriver d) { modalDriver_ = std::move(d); }
    void SetMessageBoxDriver(MessageBoxDriver d) { messageBoxDriver_ = std::move(d); }
    void SetColorDriver(ColorDriver d) { colorDriver_ = std::move(d); }
    void SetFileDriver(FileDriver d) { fileDriver_ = std::move(d); }

    const std::deque<MessageBoxRequest>& MessageLog() const { return messages_; }
    const std::deque<std::string>& OpenedUrls() const { return urls_; }
    // The forms whose modal run is in progress, innermost last.
    const std::vector<Form*>& ModalForms() const { return modalForms_; }

    // Destroys every window, removes the drivers, clears the clipboard, logs and cursors.
    void Reset();

private:
    WindowSystem windows_;
    FreeTypeText text_;
    HeadlessClipboard clipboard_;
    ModalDriver modalDriver_;
    MessageBoxDriver messageBoxDriver_;
    ColorDriver colorDriver_;
    FileDriver fileDriver_;
    std::deque<MessageBoxRequest> messages_;
    std::deque<std::string> urls_;
    std::vector<Form*> modalForms_;
    std::map<int, std::string> cursorSlots_;
    int cursor_ = 0;
};

HeadlessPlatform& TheHeadlessPlatform();

} // namespace ix::ui::headless
