// Stage: the host's windows, the one part of the host that differs between the two
// targets. The page is a top-level window; each rectangle object of the script is a child
// window of it, whose handle the host answers when the plug-in asks for the object's
// window. The plug-in's canvas is the topmost child window of that object window.
//
// Linux: the headless window system inside libixcanvas.so, through its C API.
// Windows: real windows; mouse input is sent as messages to the canvas window and
// pictures are captured with BitBlt from its device context.
#pragma once

#include "host/DialogAnswers.h"
#include "host/RgbaImage.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace ix::host {

class DynamicLibrary;

using WindowId = std::int64_t; // 0 is no window

enum class MouseButton { Left, Right, Middle };

struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;
};

class Stage {
public:
    virtual ~Stage() = default;

    // The page window; made once, before the first object.
    virtual void CreatePage(int width, int height) = 0;
    // A rectangle object's window on the page; throws ScriptError when it cannot be made.
    virtual WindowId CreateObject(const Bounds& bounds) = 0;
    virtual bool MoveObject(WindowId object, const Bounds& bounds) = 0;
    // The handle as the decimal text the plug-in reads.
    virtual std::string HandleText(WindowId w) = 0;
    // The topmost child window of the object's window (the canvas), 0 when none.
    virtual WindowId CanvasWindow(WindowId object) = 0;
    virtual bool IsEnabled(WindowId w) = 0;

    // Mouse input at client coordinates of w, routed as the window system routes real
    // input: false when no window takes it (w or the window under the point is disabled
    // or hidden). A window that holds the capture gets it wherever the point lies.
    virtual bool MouseDown(WindowId w, MouseButton b, int x, int y) = 0;
    virtual bool MouseMove(WindowId w, int x, int y) = 0;
    virtual bool MouseUp(WindowId w, MouseButton b, int x, int y) = 0;

    // Sends a message and returns its result; nothing for an unknown window.
    virtual std::optional<std::int64_t> Send(WindowId w, std::uint32_t message, std::uint64_t wParam,
                                             std::int64_t lParam) = 0;
    // The window's client area with its children as shown on the page.
    virtual std::optional<RgbaImage> Capture(WindowId w) = 0;
    // Sends the canvas control message with code 5 and a fresh device context of the
    // given size, and returns what was painted into it.
    virtual std::optional<RgbaImage> PaintIntoDeviceContext(WindowId w, int width, int height) = 0;

    // From now on the plug-in's modal windows are answered from `answers`.
    virtual void InstallDialogDrivers(DialogAnswers& answers) = 0;
    // Lets pending window work happen (Windows: painting); a no-op headless.
    virtual void Settle() {}
};

// The stage of the target; `plugin` is the loaded library (Linux: it exports the
// headless window system). Throws ScriptError when the stage cannot be set up.
std::unique_ptr<Stage> CreateStage(const DynamicLibrary& plugin);

} // namespace ix::host
