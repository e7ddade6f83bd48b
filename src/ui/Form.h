// Form: the root of a control tree and the thing a window system shows.
//
// A form starts hidden. It gets a native window from the platform when it is shown,
// parented into a host window (SetParentWindow) or asked for its Handle; ShowModal hands
// it to the platform's modal loop (headless: to the installed driver) without one.
// Buttons with a modal result set the form's result; ShowModal returns it.
//
// Window messages (such as the host's control message) reach onMessage; an unhandled
// message gives 0. Mouse input from the window goes through the form's MouseRouter.
#pragma once

#include "ui/Control.h"
#include "ui/MouseRouter.h"
#include "ui/Platform.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace ix::ui {

enum class BorderStyle { None, Single, Sizeable, Dialog };
enum class FormPosition { Designed, ScreenCenter };

class Form : public Control, public WindowClient {
public:
    using MessageHandler = std::function<std::intptr_t(Form&, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)>;

    explicit Form(std::string name = {}, std::string className = "TForm");
    ~Form() override;

    const char* TypeName() const override { return "Form"; }
    // The dialog class this form is an instance of ("TFormOne", "TPicture", ...).
    const std::string& ClassName() const { return className_; }

    void SetClientSize(gfx::Size s) { SetSize(s); }
    BorderStyle Border() const { return border_; }
    void SetBorder(BorderStyle b) { border_ = b; }
    FormPosition Placement() const { return placement_; }
    void SetPlacement(FormPosition p) { placement_ = p; }

    ModalResult Result() const { return modalResult_; }
    void SetModalResult(ModalResult r) { modalResult_ = r; }
    bool InModalLoop() const { return modal_; }
    // Runs the form modally; the result is also left in Result(). A form already in its
    // modal loop returns Cancel at once.
    ModalResult ShowModal();
    // Ends a modal run with Cancel unless a result is set; hides a modeless form.
    void Close();
    // Clicks the first visible, enabled default (Enter) or cancel (Esc) button, if any.
    bool PressDefaultButton();
    bool PressCancelButton();

    // Native window.
    bool HasWindow() const { return native_ != nullptr; }
    WindowHandle Handle();
    // Makes the form's window a child of a host window; false when the handle is unknown.
    bool SetParentWindow(WindowHandle parent);
    std::optional<gfx::Rect> ParentClientRect() const;
    // Brings the form's window to the top of its siblings.
    void BringWindowToTop();
    // Paints the form with its children into a device context of the window system.
    bool PaintTo(std::uintptr_t deviceContext, gfx::Point at);

    MessageHandler onMessage;
    MouseRouter& Router() { return router_; }

    void Paint(PaintContext& ctx) override;

    // WindowClient
    void PaintClient(gfx::Surface& surface, gfx::Point origin, const gfx::Rect& clip) override;
    void ClientMouseDown(MouseButton b, gfx::Point p) override;
    void ClientMouseMove(gfx::Point p) override;
    void ClientMouseUp(MouseButton b, gfx::Point p) override;
    void ClientDoubleClick(gfx::Point p) override;
    std::intptr_t ClientMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void ClientBoundsChanged(const gfx::Rect& bounds) override;
    void ClientWindowLost() override;

protected:
    void BoundsChanged(const gfx::Rect& old) override;
    void VisibilityChanged() override;
    void EnabledChanged() override;
    void CaptionChanged() override;
    void RepaintRequested() override;

private:
    NativeWindow& EnsureWindow();
    void UpdateHoverCursor(gfx::Point p);

    std::string className_;
    BorderStyle border_ = BorderStyle::Sizeable;
    FormPosition placement_ = FormPosition::Designed;
    ModalResult modalResult_ = ModalResult::None;
    bool modal_ = false;
    bool fromNative_ = false;
    std::unique_ptr<NativeWindow> native_;
    MouseRouter router_{*this};
};

} // namespace ix::ui
