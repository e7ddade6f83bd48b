#include "ui/Form.h"

#include "ui/Button.h"
#include "ui/Render.h"
#include "ui/SurfacePainter.h"

namespace ix::ui {

Form::Form(std::string name, std::string className) : Control(std::move(name)), className_(std::move(className))
{
    SetVisible(false);
    SetSize({320, 240});
}

Form::~Form() = default;

ModalResult Form::ShowModal()
{
    if (modal_) return ModalResult::Cancel;
    if (placement_ == FormPosition::ScreenCenter) {
        const gfx::Size screen = ThePlatform().ScreenSize();
        SetPosition({(screen.width - Width()) / 2, (screen.height - Height()) / 2});
    }
    modalResult_ = ModalResult::None;
    modal_ = true;
    const bool wasVisible = Visible();
    SetVisible(true); // shown for the modal run, without a window of its own headless
    ModalResult r = ModalResult::Cancel;
    try {
        r = ThePlatform().RunModal(*this);
    } catch (...) {
        r = ModalResult::Cancel;
    }
    modal_ = false;
    SetVisible(wasVisible);
    if (r == ModalResult::None) r = ModalResult::Cancel;
    modalResult_ = r;
    return r;
}

void Form::Close()
{
    if (modal_) {
        if (modalResult_ == ModalResult::None) modalResult_ = ModalResult::Cancel;
        return;
    }
    Hide();
}

namespace {
bool PressFlagged(Form& f, bool wantDefault)
{
    for (Control* c : f.Subtree()) {
        auto* b = dynamic_cast<Button*>(c);
        if (!b || !b->Showing() || !b->EffectivelyEnabled()) continue;
        if (wantDefault ? b->IsDefault() : b->IsCancel()) {
            b->HandleClick();
            return true;
        }
    }
    return false;
}
} // namespace

bool Form::PressDefaultButton()
{
    return PressFlagged(*this, true);
}

bool Form::PressCancelButton()
{
    return PressFlagged(*this, false);
}

NativeWindow& Form::EnsureWindow()
{
    if (!native_) {
        native_ = ThePlatform().CreateNativeWindow(*this, Bounds());
        native_->SetCaption(Caption());
        native_->SetEnabled(Enabled());
        native_->SetVisible(Visible());
    }
    return *native_;
}

WindowHandle Form::Handle()
{
    return EnsureWindow().Handle();
}

bool Form::SetParentWindow(WindowHandle parent)
{
    return EnsureWindow().SetParent(parent);
}

std::optional<gfx::Rect> Form::ParentClientRect() const
{
    if (!native_) return std::nullopt;
    return native_->ParentClientRect();
}

void Form::BringWindowToTop()
{
    if (native_) native_->BringToTop();
}

bool Form::PaintTo(std::uintptr_t deviceContext, gfx::Point at)
{
    if (deviceContext == 0) return false;
    return ThePlatform().PaintToDevice(deviceContext, *this, at);
}

void Form::Paint(PaintContext& ctx)
{
    SurfacePainter(ctx).Fill(ClientRect(), Color());
}

void Form::PaintClient(gfx::Surface& surface, gfx::Point origin, const gfx::Rect& clip)
{
    RenderTree(*this, surface, origin, clip, ThePlatform().Text());
}

void Form::UpdateHoverCursor(gfx::Point p)
{
    Control* c = router_.Captured();
    if (!c) c = router_.HitTest(p);
    if (c) ThePlatform().SetCurrentCursor(c->Cursor());
}

void Form::ClientMouseDown(MouseButton b, gfx::Point p)
{
    router_.Down(b, p);
}

void Form::ClientMouseMove(gfx::Point p)
{
    UpdateHoverCursor(p);
    router_.Move(p);
}

void Form::ClientMouseUp(MouseButton b, gfx::Point p)
{
    router_.Up(b, p);
}

void Form::ClientDoubleClick(gfx::Point p)
{
    router_.DoubleClick(p);
}

std::intptr_t Form::ClientMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (!onMessage) return 0;
    try {
        return onMessage(*this, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

void Form::ClientBoundsChanged(const gfx::Rect& bounds)
{
    fromNative_ = true;
    SetBounds(bounds);
    fromNative_ = false;
}

void Form::ClientWindowLost()
{
    // The window system destroyed the window under us (its parent went away); the
    // platform object is now a dead husk and may go. A later Show makes a new window.
    native_.reset();
}

void Form::BoundsChanged(const gfx::Rect&)
{
    if (native_ && !fromNative_) native_->SetBounds(Bounds());
}

void Form::VisibilityChanged()
{
    if (Visible() && !modal_) EnsureWindow();
    if (native_) native_->SetVisible(Visible());
}

void Form::EnabledChanged()
{
    if (native_) native_->SetEnabled(Enabled());
}

void Form::CaptionChanged()
{
    if (native_) native_->SetCaption(Caption());
}

void Form::RepaintRequested()
{
    if (native_) native_->Invalidate();
}

} // namespace ix::ui
