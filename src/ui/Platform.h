// Platform: the one interface between the toolkit and a window system.
//
// The control classes never talk to a window system directly: a Form asks the platform
// for a NativeWindow when it needs a real window (shown, or parented into a host window),
// and the NativeWindow calls the form back through WindowClient for painting, mouse input,
// window messages and resizes. Modal forms, message boxes, the system colour and file
// dialogs, the clipboard, text and cursors also go through the platform.
//
// Two backends implement it: ui/headless/ (a virtual window system in memory, driven by
// tests and the reference host through include/ixcanvas/headless.h) and ui/win32/ (real
// windows). ThePlatform() is defined by the backend that is linked in.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Surface.h"
#include "ui/Dialogs.h"
#include "ui/Types.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace ix::ui {

class Clipboard;
class Form;
class TextRenderer;

// A window handle as the host sees it (the decimal text of a host object's window).
using WindowHandle = std::intptr_t;

// What a native window needs from the form it shows.
class WindowClient {
public:
    virtual ~WindowClient() = default;
    // Paint the whole client area with `origin` as its (0, 0), inside `clip`.
    virtual void PaintClient(gfx::Surface& surface, gfx::Point origin, const gfx::Rect& clip) = 0;
    virtual void ClientMouseDown(MouseButton b, gfx::Point p) = 0;
    virtual void ClientMouseMove(gfx::Point p) = 0;
    virtual void ClientMouseUp(MouseButton b, gfx::Point p) = 0;
    virtual void ClientDoubleClick(gfx::Point p) = 0;
    // A window message; the return value is the message result.
    virtual std::intptr_t ClientMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // The window system changed the window's bounds (in its parent's client coordinates).
    virtual void ClientBoundsChanged(const gfx::Rect& bounds) = 0;
    // The window system destroyed the window (its parent went away).
    virtual void ClientWindowLost() = 0;
};

class NativeWindow {
public:
    virtual ~NativeWindow() = default; // destroys the window
    virtual WindowHandle Handle() const = 0;
    // Makes the window a child of `parent` (0: top-level); false for an unknown handle.
    virtual bool SetParent(WindowHandle parent) = 0;
    virtual WindowHandle Parent() const = 0;
    // The parent's client rectangle, or nothing when the window has no parent.
    virtual std::optional<gfx::Rect> ParentClientRect() const = 0;
    virtual void SetBounds(const gfx::Rect& bounds) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // Top of its siblings.
    virtual void BringToTop() = 0;
    virtual void Invalidate() = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual std::unique_ptr<NativeWindow> CreateNativeWindow(WindowClient& client, const gfx::Rect& bounds) = 0;
    // Shows the form modally and returns how it was closed.
    virtual ModalResult RunModal(Form& form) = 0;
    virtual MessageBoxAnswer ShowMessageBox(const MessageBoxRequest& request) = 0;
    virtual std::optional<gfx::Color> ChooseColor(const ColorDialogRequest& request) = 0;
    virtual std::optional<FileDialogResult> ChooseFile(const FileDialogRequest& request) = 0;
    virtual Clipboard& SystemClipboard() = 0;
    virtual TextRenderer& Text() = 0;
    // Paints the form with its children into a device context at `at`; false when the
    // context is unknown.
    virtual bool PaintToDevice(std::uintptr_t deviceContext, Form& form, gfx::Point at) = 0;
    virtual gfx::Size ScreenSize() const = 0;
    // The cursor shown now; the view under the mouse or an action sets it.
    virtual void SetCurrentCursor(int id) = 0;
    virtual int CurrentCursor() const = 0;
    // Loads a cursor file into a custom cursor slot (1 and up); a file that cannot be
    // loaded empties the slot and gives false.
    virtual bool LoadCursorFile(int slot, const std::string& fileName) = 0;
    virtual bool CursorSlotLoaded(int slot) const = 0;
    // Opens a web address in the user's browser (headless: only recorded).
    virtual void OpenUrl(const std::string& url) = 0;
};

Platform& ThePlatform();

} // namespace ix::ui
