// WindowSystem: the headless virtual window system.
//
// Windows are records with an integer handle (the decimal text a host reports for its
// objects), a parent (0 for top-level windows, whose bounds are screen positions),
// children in z-order (last on top), bounds in the parent's client coordinates, visible
// and enabled flags, a background colour, and an optional WindowClient (the form the
// window shows). Host windows have no client; they paint their colour and swallow input.
//
// Mouse input is injected at a window's client coordinates. It goes to the topmost
// visible, enabled window under the point (disabled windows are passed over; a disabled
// or hidden window makes everything inside it unreachable). The window that receives a
// press captures the mouse until all buttons are up. Messages are delivered synchronously.
// Handlers may create and destroy windows while they run: the system never holds a
// record across a client call. Device contexts are surfaces a host creates for the
// paint message of its control message.
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "gfx/Surface.h"
#include "ui/Platform.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ix::ui::headless {

class WindowSystem {
public:
    static constexpr WindowHandle kFirstHandle = 0x10010;
    static constexpr std::size_t kMaxWindows = 1u << 16;

    // 0 when the parent does not exist or too many windows exist.
    WindowHandle Create(WindowHandle parent, const gfx::Rect& bounds, WindowClient* client = nullptr);
    // Destroys the window and everything inside it; clients of the inner windows are told
    // with ClientWindowLost. The window's own client is not told (its owner destroys it).
    bool Destroy(WindowHandle w);
    // Forgets the client of a window, so that it receives nothing more.
    void DetachClient(WindowHandle w);
    void Reset();

    bool Exists(WindowHandle w) const { return windows_.count(w) != 0; }
    // Makes `w` a child of `parent` (0: top-level) on top of its new siblings. Refuses
    // unknown handles and making a window a child of itself or of its own descendant.
    bool SetParent(WindowHandle w, WindowHandle parent);
    WindowHandle Parent(WindowHandle w) const;
    std::vector<WindowHandle> Children(WindowHandle w) const;
    std::vector<WindowHandle> TopLevel() const;

    std::optional<gfx::Rect> Bounds(WindowHandle w) const;
    std::optional<gfx::Rect> ClientRect(WindowHandle w) const;
    // `notifyClient` tells the window's client (a resize by the host), false when the
    // client itself asked.
    bool SetBounds(WindowHandle w, const gfx::Rect& bounds, bool notifyClient);
    bool SetVisible(WindowHandle w, bool visible);
    bool SetEnabled(WindowHandle w, bool enabled);
    bool IsVisible(WindowHandle w) const;
    bool IsEnabled(WindowHandle w) const;
    bool BringToTop(WindowHandle w);
    bool SetCaption(WindowHandle w, const std::string& caption);
    std::string Caption(WindowHandle w) const;
    bool SetColor(WindowHandle w, gfx::Color c);
    void Invalidate(WindowHandle w);
    // How many times the window asked to be painted again.
    int InvalidationCount(WindowHandle w) const;

    // nothing when the window does not exist; 0 for windows without a client.
    std::optional<std::intptr_t> Send(WindowHandle w, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

    bool MouseDown(WindowHandle w, MouseButton b, gfx::Point p);
    bool MouseMove(WindowHandle w, gfx::Point p);
    bool MouseUp(WindowHandle w, MouseButton b, gfx::Point p);
    bool Click(WindowHandle w, MouseButton b, gfx::Point p);
    bool DoubleClick(WindowHandle w, gfx::Point p);
    WindowHandle Capture() const { return capture_; }

    // The window with its visible children, at its client size.
    bool Render(WindowHandle w, gfx::Surface& out);

    std::uintptr_t CreateDeviceContext(gfx::Size size);
    bool DestroyDeviceContext(std::uintptr_t dc);
    gfx::Surface* DeviceSurface(std::uintptr_t dc);

private:
    struct Window {
        WindowHandle parent = 0;
        std::vector<WindowHandle> children;
        gfx::Rect bounds;
        bool visible = true;
        bool enabled = true;
        gfx::Color color = gfx::colors::White;
        std::string caption;
        WindowClient* client = nullptr;
        int invalidations = 0;
    };
    Window* Find(WindowHandle w);
    const Window* Find(WindowHandle w) const;
    void Unlink(WindowHandle w);
    gfx::Point ScreenOrigin(WindowHandle w) const;
    // The window that receives input at p (client coordinates of w) and p in its client
    // coordinates; 0 when nothing does.
    WindowHandle InputTarget(WindowHandle w, gfx::Point p, gfx::Point& local) const;
    // The capturing window while there is one, else the input target.
    WindowHandle Receiver(WindowHandle w, gfx::Point p, gfx::Point& local) const;
    bool Reachable(WindowHandle w) const;
    void PaintWindow(WindowHandle w, gfx::Surface& s, gfx::Point origin, const gfx::Rect& clip);

    std::map<WindowHandle, Window> windows_;
    WindowHandle next_ = kFirstHandle;
    WindowHandle capture_ = 0;
    unsigned captureButtons_ = 0;
    std::map<std::uintptr_t, std::unique_ptr<gfx::Surface>> dcs_;
    std::uintptr_t nextDc_ = 0x2000;
};

} // namespace ix::ui::headless
