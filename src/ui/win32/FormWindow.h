// FormWindow: the real window of a form that is shown or embedded in a host window (a
// canvas in a host rectangle).
//
// It is borderless: a pop-up window while it has no parent, a child window (clipping its
// siblings) once it is parented. Painting renders the form with our renderer into a
// surface and blits it (WM_PAINT and WM_PRINTCLIENT alike). Mouse input goes to the form
// with the real mouse capture held while any button is down; when the capture is taken
// away in the middle of a drag, the buttons still held are released at the last
// position, so a gesture always ends. The cursor over the window is the platform's
// current cursor. Messages in the private and application ranges (WM_USER and up) go to
// the form, which answers them.
//
// The window procedure never lets an exception out, and it survives the form destroying
// its window (or itself) from inside a handler: after every call into the form it checks
// that the window object is still alive before touching it again.
#pragma once

#include "ui/Platform.h"

#include <windows.h>

#include <memory>

namespace ix::ui::win32 {

class CursorSet;

class FormWindow : public NativeWindow {
public:
    FormWindow(WindowClient& client, const gfx::Rect& bounds, CursorSet& cursors);
    ~FormWindow() override;

    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(hwnd_); }
    bool SetParent(WindowHandle parent) override;
    WindowHandle Parent() const override;
    std::optional<gfx::Rect> ParentClientRect() const override;
    void SetBounds(const gfx::Rect& bounds) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetCaption(const std::string& caption) override;
    void BringToTop() override;
    void Invalidate() override;

    // The class name of these windows (tests and the cursor logic recognise them by it).
    static const std::wstring& ClassName();

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc, const RECT& area);
    void ButtonDown(MouseButton b, LPARAM lParam, bool doubleClick);
    void ButtonUp(MouseButton b, LPARAM lParam);
    void CaptureLost();

    WindowClient& client_;
    CursorSet& cursors_;
    HWND hwnd_ = nullptr;
    bool destroying_ = false;
    bool placing_ = false;   // our own SetWindowPos is running: do not report it back
    unsigned buttons_ = 0;   // MouseButton bits held while we own the capture
    gfx::Point lastMouse_;
    gfx::Surface buffer_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace ix::ui::win32
