#include "ui/win32/FormWindow.h"

#include "ui/win32/CursorSet.h"
#include "ui/win32/DibBlit.h"
#include "ui/win32/Module.h"
#include "ui/win32/WideText.h"

#include <windowsx.h>

namespace ix::ui::win32 {
namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kTopStyle = WS_POPUP | WS_CLIPCHILDREN;

unsigned Bit(MouseButton b)
{
    return 1u << static_cast<unsigned>(b);
}

gfx::Point PointOf(LPARAM lParam)
{
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

gfx::Rect RectOf(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

bool IsChild(HWND hwnd)
{
    return (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) != 0;
}

// A window message of the private or application range: the form's own business.
bool IsFormMessage(UINT message)
{
    return message >= WM_USER && message <= 0xBFFF;
}

} // namespace

const std::wstring& FormWindow::ClassName()
{
    static const std::wstring name = EnsureWindowClass(L"ixCanvasForm", &FormWindow::Procedure, CS_DBLCLKS);
    return name;
}

FormWindow::FormWindow(WindowClient& client, const gfx::Rect& bounds, CursorSet& cursors)
    : client_(client), cursors_(cursors)
{
    const std::wstring& cls = ClassName();
    if (cls.empty()) return;
    hwnd_ = CreateWindowExW(0, cls.c_str(), L"", kTopStyle, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                            nullptr, nullptr, ThisModule(), this);
}

FormWindow::~FormWindow()
{
    *alive_ = false;
    destroying_ = true;
    if (hwnd_) {
        if (GetCapture() == hwnd_) {
            buttons_ = 0; // the form is going: nobody to tell about the released buttons
            ReleaseCapture();
        }
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool FormWindow::SetParent(WindowHandle parent)
{
    if (!hwnd_) return false;
    const HWND p = reinterpret_cast<HWND>(parent);
    if (p) {
        // No unknown handle, and no window of our own subtree (that would be a cycle).
        if (!IsWindow(p) || p == hwnd_ || ::IsChild(hwnd_, p)) return false;
        SetWindowLongW(hwnd_, GWL_STYLE, static_cast<LONG>((GetWindowLongW(hwnd_, GWL_STYLE) & ~WS_POPUP) | kChildStyle));
        if (!::SetParent(hwnd_, p)) return false;
    } else {
        ::SetParent(hwnd_, nullptr);
        SetWindowLongW(hwnd_, GWL_STYLE,
                       static_cast<LONG>((GetWindowLongW(hwnd_, GWL_STYLE) & ~(WS_CHILD | WS_CLIPSIBLINGS)) | kTopStyle));
    }
    placing_ = true;
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    placing_ = false;
    return true;
}

WindowHandle FormWindow::Parent() const
{
    if (!hwnd_ || !IsChild(hwnd_)) return 0;
    return reinterpret_cast<WindowHandle>(GetParent(hwnd_));
}

std::optional<gfx::Rect> FormWindow::ParentClientRect() const
{
    const HWND p = reinterpret_cast<HWND>(Parent());
    RECT r{};
    if (!p || !GetClientRect(p, &r)) return std::nullopt;
    return RectOf(r);
}

void FormWindow::SetBounds(const gfx::Rect& b)
{
    if (!hwnd_) return;
    placing_ = true;
    SetWindowPos(hwnd_, nullptr, b.left, b.top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    placing_ = false;
}

void FormWindow::SetVisible(bool visible)
{
    if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void FormWindow::SetEnabled(bool enabled)
{
    if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void FormWindow::SetCaption(const std::string& caption)
{
    if (hwnd_) SetWindowTextW(hwnd_, WideFromCp1251(caption).c_str());
}

void FormWindow::BringToTop()
{
    if (hwnd_) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FormWindow::Invalidate()
{
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT CALLBACK FormWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCCREATE) self->hwnd_ = hwnd;
    LRESULT result = 0;
    if (Guarded(false, [&] {
            result = self->OnMessage(message, wParam, lParam);
            return true;
        }))
        return result;
    // A handler failed (and `self` may be gone): our own messages answer 0, the system's
    // get the system's default.
    if (IsFormMessage(message)) return 0;
    return IsWindow(hwnd) ? DefWindowProcW(hwnd, message, wParam, lParam) : 0;
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND hwnd = hwnd_;
    const std::shared_ptr<bool> alive = alive_; // this object may die inside a call into the form
    switch (message) {
    case WM_ERASEBKGND: return 1; // the paint covers everything
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (HDC dc = BeginPaint(hwnd, &ps)) {
            try {
                Paint(dc, ps.rcPaint);
            } catch (...) {
            }
            EndPaint(hwnd, &ps);
        }
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT r{};
        GetClientRect(hwnd, &r);
        Paint(reinterpret_cast<HDC>(wParam), r);
        return 0;
    }
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == hwnd) {
            SetCursor(cursors_.For(ThePlatform().CurrentCursor()));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN: ButtonDown(MouseButton::Left, lParam, false); return 0;
    case WM_RBUTTONDOWN: ButtonDown(MouseButton::Right, lParam, false); return 0;
    case WM_MBUTTONDOWN: ButtonDown(MouseButton::Middle, lParam, false); return 0;
    case WM_LBUTTONDBLCLK: ButtonDown(MouseButton::Left, lParam, true); return 0;
    case WM_RBUTTONDBLCLK: ButtonDown(MouseButton::Right, lParam, false); return 0;
    case WM_MBUTTONDBLCLK: ButtonDown(MouseButton::Middle, lParam, false); return 0;
    case WM_LBUTTONUP: ButtonUp(MouseButton::Left, lParam); return 0;
    case WM_RBUTTONUP: ButtonUp(MouseButton::Right, lParam); return 0;
    case WM_MBUTTONUP: ButtonUp(MouseButton::Middle, lParam); return 0;
    case WM_MOUSEMOVE:
        lastMouse_ = PointOf(lParam);
        client_.ClientMouseMove(lastMouse_);
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd) CaptureLost();
        return 0;
    case WM_WINDOWPOSCHANGED: {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!placing_ && !(pos->flags & SWP_NOSIZE && pos->flags & SWP_NOMOVE)) {
            RECT r{};
            GetWindowRect(hwnd, &r);
            if (HWND parent = IsChild(hwnd) ? GetParent(hwnd) : nullptr)
                MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
            client_.ClientBoundsChanged(RectOf(r));
            if (!*alive) return 0;
        }
        if (!(pos->flags & SWP_NOSIZE)) InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    }
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        // Destroyed from outside (its parent went away): the form lets go of us, which
        // may delete this object, so nothing may follow the call.
        if (!destroying_) client_.ClientWindowLost();
        return 0;
    default:
        if (IsFormMessage(message)) return client_.ClientMessage(message, wParam, lParam);
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void FormWindow::Paint(HDC dc, const RECT& area)
{
    if (!IsDeviceContext(dc)) return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    const gfx::Rect dirty = RectOf(area).Intersected(RectOf(client));
    if (dirty.IsEmpty()) return;
    // Render only the dirty part: a surface of its size whose (0, 0) is its top-left.
    if (buffer_.Width() != dirty.Width() || buffer_.Height() != dirty.Height()) buffer_.Resize(dirty.GetSize());
    buffer_.FillRect(buffer_.Bounds(), 0xFFFFFFFFu);
    client_.PaintClient(buffer_, {-dirty.left, -dirty.top}, buffer_.Bounds());
    BlitSurface(dc, buffer_, buffer_.Bounds(), dirty.TopLeft());
}

void FormWindow::ButtonDown(MouseButton b, LPARAM lParam, bool doubleClick)
{
    const std::shared_ptr<bool> alive = alive_;
    lastMouse_ = PointOf(lParam);
    if (GetCapture() != hwnd_) SetCapture(hwnd_);
    buttons_ |= Bit(b);
    if (doubleClick) {
        // The framework's order: the double click first, then the press that carries it.
        client_.ClientDoubleClick(lastMouse_);
        if (!*alive) return;
    }
    client_.ClientMouseDown(b, lastMouse_);
}

void FormWindow::ButtonUp(MouseButton b, LPARAM lParam)
{
    lastMouse_ = PointOf(lParam);
    buttons_ &= ~Bit(b);
    // The capture goes before the form hears of the release, as the framework does it.
    if (buttons_ == 0 && GetCapture() == hwnd_) ReleaseCapture();
    client_.ClientMouseUp(b, lastMouse_);
}

void FormWindow::CaptureLost()
{
    // Another window took the capture (or it was cancelled) in the middle of a drag: end
    // the gesture where the mouse was last seen, button by button.
    const std::shared_ptr<bool> alive = alive_;
    const gfx::Point at = lastMouse_;
    for (MouseButton b : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
        if (!(buttons_ & Bit(b))) continue;
        buttons_ &= ~Bit(b);
        client_.ClientMouseUp(b, at);
        if (!*alive) return;
    }
}

} // namespace ix::ui::win32
