#include "ui/win32/Win32Platform.h"

#include "ui/Form.h"
#include "ui/Render.h"
#include "ui/win32/DibBlit.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/ModalDialog.h"
#include "ui/win32/Module.h"
#include "ui/win32/SystemDialogs.h"
#include "ui/win32/WideText.h"

#include <shellapi.h>

#include <new>

namespace ix::ui::win32 {
namespace {

// Windows of ours that show the current cursor: canvases and dialogs.
bool IsOurWindow(HWND hwnd)
{
    wchar_t name[128] = {};
    if (!hwnd || !GetClassNameW(hwnd, name, 128)) return false;
    return FormWindow::ClassName() == name || ModalDialogClassName() == name;
}

// Only addresses a browser or mail program opens; anything else (a program, a document
// path) could run code on the author's machine.
bool IsWebAddress(const std::string& url)
{
    for (const char* scheme : {"http://", "https://", "mailto:"})
        if (url.size() > std::char_traits<char>::length(scheme) &&
            _strnicmp(url.c_str(), scheme, std::char_traits<char>::length(scheme)) == 0)
            return true;
    return false;
}

} // namespace

std::unique_ptr<NativeWindow> Win32Platform::CreateNativeWindow(WindowClient& client, const gfx::Rect& bounds)
{
    return std::make_unique<FormWindow>(client, bounds, cursors_);
}

ModalResult Win32Platform::RunModal(Form& form)
{
    return Guarded(ModalResult::Cancel, [&] { return RunModalDialog(form, text_, cursors_); });
}

MessageBoxAnswer Win32Platform::ShowMessageBox(const MessageBoxRequest& request)
{
    return Guarded(MessageBoxAnswer::Cancel, [&] { return ShowSystemMessageBox(request); });
}

std::optional<gfx::Color> Win32Platform::ChooseColor(const ColorDialogRequest& request)
{
    return Guarded(std::optional<gfx::Color>{}, [&] { return ShowColorDialog(request); });
}

std::optional<FileDialogResult> Win32Platform::ChooseFile(const FileDialogRequest& request)
{
    return Guarded(std::optional<FileDialogResult>{}, [&] { return ShowFileDialog(request); });
}

bool Win32Platform::PaintToDevice(std::uintptr_t deviceContext, Form& form, gfx::Point at)
{
    const HDC dc = reinterpret_cast<HDC>(deviceContext);
    if (!IsDeviceContext(dc)) return false;
    return Guarded(false, [&] {
        if (form.Width() > 0 && form.Height() > 0) {
            gfx::Surface s(form.ClientSize(), 0xFFFFFFFFu);
            RenderTree(form, s, {0, 0}, s.Bounds(), text_);
            BlitSurface(dc, s, s.Bounds(), at);
        }
        return true;
    });
}

gfx::Size Win32Platform::ScreenSize() const
{
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32Platform::SetCurrentCursor(int id)
{
    const bool changed = id != cursor_;
    cursor_ = id;
    if (!changed) return;
    POINT p{};
    HWND under = GetCapture();
    if (!under && GetCursorPos(&p)) under = WindowFromPoint(p);
    if (IsOurWindow(under)) SetCursor(cursors_.For(id));
}

bool Win32Platform::LoadCursorFile(int slot, const std::string& fileName)
{
    return Guarded(false, [&] { return cursors_.LoadSlot(slot, WideFromCp1251(fileName)); });
}

void Win32Platform::OpenUrl(const std::string& url)
{
    if (!IsWebAddress(url)) return;
    ShellExecuteW(nullptr, L"open", WideFromCp1251(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace ix::ui::win32

namespace ix::ui {

Platform& ThePlatform()
{
    // Never destroyed: forms may die at exit after it, and their windows need it.
    alignas(win32::Win32Platform) static unsigned char storage[sizeof(win32::Win32Platform)];
    static Platform* const platform = ::new (static_cast<void*>(storage)) win32::Win32Platform();
    return *platform;
}

} // namespace ix::ui
