#include "ui/win32/ModalDialog.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/ControlAccess.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/LabeledEdit.h"
#include "ui/LinkLabel.h"
#include "ui/MouseRouter.h"
#include "ui/SpinEdit.h"
#include "ui/win32/CursorSet.h"
#include "ui/win32/DibBlit.h"
#include "ui/win32/GdiText.h"
#include "ui/win32/Module.h"
#include "ui/win32/SystemDialogs.h"
#include "ui/win32/WideText.h"

#include <commctrl.h>
#include <windowsx.h>

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

namespace ix::ui::win32 {
namespace {

constexpr int kFirstId = 1000;  // above IDOK, IDCANCEL and the other standard ids
constexpr int kDropDownRows = 8; // list height of a drop-down, in rows of its height
// The window property that carries a native control's component name (a global atom),
// so that a driver finds "LEdit1" or "Kn1" as a user of the form model would.
constexpr const wchar_t* kNameProperty = L"ixName";

// Drawn: a button window whose face is the control as our renderer paints it (speed
// buttons and links), so it can be pressed like any button and found by its name.
enum class Kind { Edit, Spin, Combo, Button, Static, Drawn };

std::optional<Kind> NativeKindOf(Control& c)
{
    if (dynamic_cast<LinkLabel*>(&c) || dynamic_cast<SpeedButton*>(&c)) return Kind::Drawn;
    if (dynamic_cast<LabeledEdit*>(&c)) return Kind::Edit;
    if (dynamic_cast<SpinEdit*>(&c)) return Kind::Spin;
    if (dynamic_cast<ComboBox*>(&c)) return Kind::Combo;
    if (dynamic_cast<Button*>(&c)) return Kind::Button;
    if (dynamic_cast<Label*>(&c)) return Kind::Static;
    return std::nullopt;
}

COLORREF ColorRef(gfx::Color c)
{
    return RGB(c.R(), c.G(), c.B());
}

unsigned Bit(MouseButton b)
{
    return 1u << static_cast<unsigned>(b);
}

std::wstring WindowText(HWND hwnd)
{
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int got = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

// The form painted without the controls that have native windows (they would only be
// covered, and transparent labels must not show their text twice).
void PaintBackdrop(Control& c, gfx::Surface& s, gfx::Point origin, const gfx::Rect& clip, TextRenderer& text,
                   const std::set<const Control*>& native)
{
    const gfx::Rect area = gfx::Rect::FromSize(origin, c.ClientSize()).Intersected(clip).Intersected(s.Bounds());
    if (area.IsEmpty()) return;
    PaintContext ctx{s, origin, area, text};
    try {
        c.Paint(ctx);
    } catch (...) {
        // A control that fails to paint leaves its area as far as it got.
    }
    for (const auto& child : c.Children())
        if (child->Visible() && !native.count(child.get()))
            PaintBackdrop(*child, s, origin + child->Bounds().TopLeft(), area, text, native);
}

struct NativeControl {
    Control* control = nullptr;
    std::weak_ptr<const int> life;
    Kind kind = Kind::Static;
    int id = 0;
    HWND hwnd = nullptr;
    HWND upDown = nullptr;
    // What the native control shows now, to carry only changes.
    gfx::Rect rect;
    bool shown = false;
    bool enabled = true;
    ui::Font font;
    std::string text;
    std::vector<std::string> items;
    int index = -1;
    int min = 0;
    int max = 0;
    bool fresh = true;

    Control* Get() const { return life.expired() ? nullptr : control; }
};

class Dialog {
public:
    Dialog(Form& form, GdiText& text, CursorSet& cursors) : form_(form), text_(text), cursors_(cursors) {}
    ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    ModalResult Run();
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool Create(HWND owner);
    void Realise();
    void CreateNative(NativeControl& n);
    void Sync();
    void SyncOne(NativeControl& n);
    void ReadOne(NativeControl& n);
    void ReadBack();
    void Commit();
    void RenderBackdrop();
    void Command(int id, int code);
    void AfterHandler();
    void MouseDown(MouseButton b, LPARAM lParam, bool doubleClick);
    void MouseUp(MouseButton b, LPARAM lParam);
    LRESULT ControlColor(HDC dc, HWND child, bool edit);
    void FocusFirst();
    NativeControl* ById(int id);
    NativeControl* ByWindow(HWND hwnd);
    HFONT FontFor(const ui::Font& f);
    HBRUSH BrushFor(gfx::Color c);
    int DefaultButtonId();

    Form& form_;
    GdiText& text_;
    CursorSet& cursors_;
    HWND hwnd_ = nullptr;
    std::vector<NativeControl> natives_;
    std::map<std::tuple<std::string, int, unsigned>, HFONT> fonts_;
    std::map<COLORREF, HBRUSH> brushes_;
    gfx::Surface backdrop_;
    HBITMAP backdropBitmap_ = nullptr;
    HBRUSH backdropBrush_ = nullptr;
    HWND lastFocus_ = nullptr;
    std::string caption_;
    bool syncing_ = false;
    unsigned buttons_ = 0;
    gfx::Point lastMouse_;
};

Dialog::~Dialog()
{
    for (NativeControl& n : natives_) {
        if (!n.hwnd) continue;
        if (const auto name = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(RemovePropW(n.hwnd, kNameProperty))))
            GlobalDeleteAtom(name);
    }
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_); // takes the native controls with it
    }
    for (auto& [key, f] : fonts_) DeleteObject(f);
    for (auto& [key, b] : brushes_) DeleteObject(b);
    if (backdropBrush_) DeleteObject(backdropBrush_);
    if (backdropBitmap_) DeleteObject(backdropBitmap_);
}

HFONT Dialog::FontFor(const ui::Font& f)
{
    const auto key = std::make_tuple(f.name, ClampFontHeight(f.height), f.style);
    if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    HFONT font = CreateGdiFont(f);
    if (font) fonts_.emplace(key, font);
    return font;
}

HBRUSH Dialog::BrushFor(gfx::Color c)
{
    const COLORREF ref = ColorRef(c);
    if (auto it = brushes_.find(ref); it != brushes_.end()) return it->second;
    HBRUSH b = CreateSolidBrush(ref);
    if (b) brushes_.emplace(ref, b);
    return b;
}

bool Dialog::Create(HWND owner)
{
    const std::wstring& cls = ModalDialogClassName();
    if (cls.empty()) return false;
    DWORD style = WS_POPUP | WS_CLIPCHILDREN;
    DWORD exStyle = WS_EX_CONTROLPARENT;
    switch (form_.Border()) {
    case BorderStyle::None: break;
    case BorderStyle::Dialog:
        style |= WS_CAPTION | WS_SYSMENU;
        exStyle |= WS_EX_DLGMODALFRAME;
        break;
    case BorderStyle::Single:
    case BorderStyle::Sizeable: style |= WS_CAPTION | WS_SYSMENU | WS_BORDER; break;
    }
    RECT r{0, 0, form_.Width(), form_.Height()};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    const int w = r.right - r.left, h = r.bottom - r.top;
    int x = form_.Left() + r.left, y = form_.Top() + r.top;
    if (form_.Placement() == FormPosition::ScreenCenter) {
        RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        x = work.left + (work.right - work.left - w) / 2;
        y = work.top + (work.bottom - work.top - h) / 2;
    }
    caption_ = form_.Caption();
    hwnd_ = CreateWindowExW(exStyle, cls.c_str(), WideFromCp1251(caption_).c_str(), style, x, y, w, h, owner, nullptr,
                            ThisModule(), this);
    return hwnd_ != nullptr;
}

void Dialog::CreateNative(NativeControl& n)
{
    Control& c = *n.control;
    const gfx::Point at = c.RootOffset();
    const int w = c.Width(), h = c.Height();
    const HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(n.id));
    const HINSTANCE module = ThisModule();
    const DWORD child = WS_CHILD;
    switch (n.kind) {
    case Kind::Edit:
    case Kind::Spin: {
        DWORD style = child | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
        if (auto* e = dynamic_cast<LabeledEdit*>(&c); e && e->ReadOnly()) style |= ES_READONLY;
        n.hwnd = CreateWindowExW(0, L"EDIT", L"", style, at.x, at.y, w, h, hwnd_, id, module, nullptr);
        if (n.kind == Kind::Spin && n.hwnd) {
            n.upDown = CreateWindowExW(0, UPDOWN_CLASSW, L"",
                                       child | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0,
                                       0, 0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(n.id + 1)), module,
                                       nullptr);
        }
        break;
    }
    case Kind::Combo:
        n.hwnd = CreateWindowExW(0, L"COMBOBOX", L"", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, at.x, at.y,
                                 w, h * (kDropDownRows + 1), hwnd_, id, module, nullptr);
        break;
    case Kind::Button:
        n.hwnd = CreateWindowExW(0, L"BUTTON", L"", child | WS_TABSTOP | BS_PUSHBUTTON, at.x, at.y, w, h, hwnd_, id,
                                 module, nullptr);
        break;
    case Kind::Drawn:
        n.hwnd = CreateWindowExW(0, L"BUTTON", L"", child | BS_OWNERDRAW, at.x, at.y, w, h, hwnd_, id, module, nullptr);
        break;
    case Kind::Static: {
        const auto* l = dynamic_cast<Label*>(&c);
        DWORD style = child | SS_NOPREFIX;
        if (l && l->TextAlignment() == TextAlign::Center) style |= SS_CENTER;
        else if (l && l->TextAlignment() == TextAlign::Right) style |= SS_RIGHT;
        else style |= l && l->WordWrap() ? SS_LEFT : SS_LEFTNOWORDWRAP;
        n.hwnd = CreateWindowExW(0, L"STATIC", L"", style, at.x, at.y, w, h, hwnd_, id, module, nullptr);
        break;
    }
    }
    if (!n.hwnd) return;
    if (!c.Name().empty())
        if (const ATOM name = GlobalAddAtomW(WideFromCp1251(c.Name()).c_str()))
            if (!SetPropW(n.hwnd, kNameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(name))))
                GlobalDeleteAtom(name);
    n.rect = gfx::Rect::FromSize(at, {w, h});
    n.fresh = true; // the first synchronisation carries everything
    if (n.upDown) SendMessageW(n.upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(n.hwnd), 0);
}

void Dialog::Realise()
{
    int id = kFirstId;
    for (Control* c : form_.Subtree()) {
        if (c == &form_) continue;
        const auto kind = NativeKindOf(*c);
        if (!kind) continue;
        NativeControl n;
        n.control = c;
        n.life = c->LifeToken();
        n.kind = *kind;
        n.id = id;
        id += 2; // the second id is the up-down buddy's
        natives_.push_back(std::move(n));
    }
    for (NativeControl& n : natives_) CreateNative(n);
}

void Dialog::SyncOne(NativeControl& n)
{
    Control* c = n.Get();
    if (!n.hwnd) return;
    if (!c) {
        ShowWindow(n.hwnd, SW_HIDE);
        if (n.upDown) ShowWindow(n.upDown, SW_HIDE);
        n.shown = false;
        return;
    }
    const gfx::Rect rect = gfx::Rect::FromSize(c->RootOffset(), c->ClientSize());
    if (rect != n.rect) {
        const int height = n.kind == Kind::Combo ? rect.Height() * (kDropDownRows + 1) : rect.Height();
        MoveWindow(n.hwnd, rect.left, rect.top, rect.Width(), height, TRUE);
        // The up-down takes its place from its buddy, at the buddy's new right edge.
        if (n.upDown) SendMessageW(n.upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(n.hwnd), 0);
        n.rect = rect;
    }
    if (n.fresh || c->Font() != n.font) {
        SendMessageW(n.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(c->Font())), TRUE);
        n.font = c->Font();
    }
    switch (n.kind) {
    case Kind::Edit: {
        auto& e = static_cast<LabeledEdit&>(*c);
        SendMessageW(n.hwnd, EM_LIMITTEXT, static_cast<WPARAM>(e.MaxLength()), 0);
        SendMessageW(n.hwnd, EM_SETREADONLY, e.ReadOnly() ? TRUE : FALSE, 0);
        break;
    }
    case Kind::Spin: {
        auto& s = static_cast<SpinEdit&>(*c);
        SendMessageW(n.hwnd, EM_LIMITTEXT, static_cast<WPARAM>(s.MaxLength()), 0);
        const int max = s.MaxValue() < s.MinValue() ? s.MinValue() : s.MaxValue();
        if (n.fresh || s.MinValue() != n.min || max != n.max) {
            SendMessageW(n.upDown, UDM_SETRANGE32, static_cast<WPARAM>(s.MinValue()), static_cast<LPARAM>(max));
            n.min = s.MinValue();
            n.max = max;
        }
        if (n.fresh || s.Text() != n.text) {
            // The up-down follows the text on its next step; set the position first, since
            // with a buddy it rewrites the buddy's text.
            SendMessageW(n.upDown, UDM_SETPOS32, 0, static_cast<LPARAM>(s.Value()));
        }
        break;
    }
    case Kind::Combo: {
        auto& combo = static_cast<ComboBox&>(*c);
        if (n.fresh || combo.Items() != n.items) {
            SendMessageW(n.hwnd, CB_RESETCONTENT, 0, 0);
            for (const std::string& item : combo.Items())
                SendMessageW(n.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromCp1251(item).c_str()));
            n.items = combo.Items();
            n.fresh = true; // the selection went with the items
        }
        if (n.fresh || combo.ItemIndex() != n.index) {
            SendMessageW(n.hwnd, CB_SETCURSEL, static_cast<WPARAM>(combo.ItemIndex()), 0);
            n.index = combo.ItemIndex();
        }
        break;
    }
    case Kind::Button:
    case Kind::Static:
    case Kind::Drawn: break;
    }
    const std::string text = n.kind == Kind::Combo ? std::string() : n.kind == Kind::Edit || n.kind == Kind::Spin
                                                                          ? c->Text()
                                                                          : c->Caption();
    if (n.kind != Kind::Combo && (n.fresh || text != n.text)) {
        SetWindowTextW(n.hwnd, WideFromCp1251(text).c_str());
        n.text = text;
    }
    const bool enabled = c->EffectivelyEnabled();
    if (n.fresh || enabled != n.enabled) {
        EnableWindow(n.hwnd, enabled ? TRUE : FALSE);
        if (n.upDown) EnableWindow(n.upDown, enabled ? TRUE : FALSE);
        n.enabled = enabled;
    }
    const bool shown = c->Showing();
    if (n.fresh || shown != n.shown) {
        ShowWindow(n.hwnd, shown ? SW_SHOWNA : SW_HIDE);
        if (n.upDown) ShowWindow(n.upDown, shown ? SW_SHOWNA : SW_HIDE);
        n.shown = shown;
    }
    n.fresh = false;
}

void Dialog::RenderBackdrop()
{
    std::set<const Control*> native;
    for (const NativeControl& n : natives_)
        if (n.hwnd && n.Get() && n.kind != Kind::Drawn) native.insert(n.control);
    gfx::Surface s(form_.ClientSize(), 0xFFFFFFFFu);
    PaintBackdrop(form_, s, {0, 0}, s.Bounds(), text_, native);
    if (s.GetSize() == backdrop_.GetSize() && s.Pixels() == backdrop_.Pixels()) return;
    backdrop_ = std::move(s);
    // The brush transparent labels fill with: the backdrop itself.
    if (backdropBrush_) DeleteObject(backdropBrush_);
    if (backdropBitmap_) DeleteObject(backdropBitmap_);
    backdropBrush_ = nullptr;
    backdropBitmap_ = nullptr;
    if (backdrop_.Width() > 0 && backdrop_.Height() > 0) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = backdrop_.Width();
        info.bmiHeader.biHeight = -backdrop_.Height();
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        backdropBitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (backdropBitmap_ && bits) {
            std::copy(backdrop_.Pixels().begin(), backdrop_.Pixels().end(), static_cast<std::uint32_t*>(bits));
            backdropBrush_ = CreatePatternBrush(backdropBitmap_);
        }
    }
    if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Dialog::Sync()
{
    if (!hwnd_) return;
    syncing_ = true;
    try {
        for (NativeControl& n : natives_) SyncOne(n);
        if (form_.Caption() != caption_) {
            caption_ = form_.Caption();
            SetWindowTextW(hwnd_, WideFromCp1251(caption_).c_str());
        }
        RenderBackdrop();
    } catch (...) {
        syncing_ = false;
        throw;
    }
    syncing_ = false;
}

void Dialog::ReadOne(NativeControl& n)
{
    Control* c = n.Get();
    if (!c || !n.hwnd) return;
    switch (n.kind) {
    case Kind::Edit:
    case Kind::Spin: {
        const std::string text = Cp1251FromWide(WindowText(n.hwnd));
        if (text != c->Text()) c->SetText(text);
        n.text = text; // what the control shows; a cut by the model shows at the next sync
        break;
    }
    case Kind::Combo: {
        const auto index = static_cast<int>(SendMessageW(n.hwnd, CB_GETCURSEL, 0, 0));
        n.index = index;
        auto& combo = static_cast<ComboBox&>(*c);
        if (index != combo.ItemIndex()) combo.SetItemIndex(index); // runs onChange
        break;
    }
    case Kind::Button:
    case Kind::Static:
    case Kind::Drawn: break;
    }
}

void Dialog::ReadBack()
{
    for (NativeControl& n : natives_) ReadOne(n);
}

void Dialog::Commit()
{
    for (NativeControl& n : natives_)
        if (n.kind == Kind::Spin)
            if (auto* s = dynamic_cast<SpinEdit*>(n.Get())) s->Commit();
}

NativeControl* Dialog::ById(int id)
{
    for (NativeControl& n : natives_)
        if (n.id == id) return &n;
    return nullptr;
}

NativeControl* Dialog::ByWindow(HWND hwnd)
{
    for (NativeControl& n : natives_)
        if (n.hwnd == hwnd) return &n;
    return nullptr;
}

int Dialog::DefaultButtonId()
{
    for (NativeControl& n : natives_) {
        auto* b = dynamic_cast<Button*>(n.Get());
        if (b && b->IsDefault() && b->Showing() && b->EffectivelyEnabled()) return n.id;
    }
    return 0;
}

void Dialog::AfterHandler()
{
    Sync();
    // Wake the loop, whichever message it is waiting for, when the form is done.
    if (form_.Result() != ModalResult::None && hwnd_) PostMessageW(hwnd_, WM_NULL, 0, 0);
}

void Dialog::Command(int id, int code)
{
    if (syncing_) return; // our own changes to the controls, not the user's
    if (id == IDOK || id == IDCANCEL) {
        // Enter without a default button, Esc: the form's default or cancel button.
        ReadBack();
        Commit();
        if (id == IDOK) form_.PressDefaultButton();
        else form_.PressCancelButton();
        AfterHandler();
        return;
    }
    NativeControl* n = ById(id);
    if (!n || !n->Get()) return;
    switch (n->kind) {
    case Kind::Edit:
        if (code == EN_CHANGE) ReadOne(*n);
        break;
    case Kind::Spin:
        if (code == EN_CHANGE) ReadOne(*n);
        if (code == EN_KILLFOCUS) {
            ReadOne(*n);
            static_cast<SpinEdit&>(*n->control).Commit();
            AfterHandler();
        }
        break;
    case Kind::Combo:
        if (code == CBN_SELCHANGE || code == CBN_SELENDOK) {
            ReadOne(*n);
            AfterHandler();
        }
        break;
    case Kind::Button:
    case Kind::Drawn:
        if (code == BN_CLICKED) {
            ReadBack();
            Commit();
            if (Control* c = n->Get()) Press(*c);
            AfterHandler();
        }
        break;
    case Kind::Static: break;
    }
}

void Dialog::MouseDown(MouseButton b, LPARAM lParam, bool doubleClick)
{
    lastMouse_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (GetCapture() != hwnd_) SetCapture(hwnd_);
    buttons_ |= Bit(b);
    if (doubleClick) form_.ClientDoubleClick(lastMouse_);
    form_.ClientMouseDown(b, lastMouse_);
    AfterHandler();
}

void Dialog::MouseUp(MouseButton b, LPARAM lParam)
{
    lastMouse_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    buttons_ &= ~Bit(b);
    if (buttons_ == 0 && GetCapture() == hwnd_) ReleaseCapture();
    form_.ClientMouseUp(b, lastMouse_);
    AfterHandler();
}

LRESULT Dialog::ControlColor(HDC dc, HWND child, bool edit)
{
    NativeControl* n = ByWindow(child);
    Control* c = n ? n->Get() : nullptr;
    if (!c) return 0;
    SetTextColor(dc, ColorRef(c->Font().color));
    if (n->kind == Kind::Static) {
        if (auto* l = dynamic_cast<Label*>(c); l && l->Transparent() && backdropBrush_) {
            // The backdrop as the brush, lined up with the dialog's client area.
            POINT origin{0, 0};
            MapWindowPoints(child, hwnd_, &origin, 1);
            SetBkMode(dc, TRANSPARENT);
            SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
            return reinterpret_cast<LRESULT>(backdropBrush_);
        }
    } else if (!edit && n->kind != Kind::Edit && n->kind != Kind::Spin) {
        return 0;
    }
    SetBkColor(dc, ColorRef(c->Color()));
    return reinterpret_cast<LRESULT>(BrushFor(c->Color()));
}

void Dialog::FocusFirst()
{
    for (NativeControl& n : natives_) {
        if (!n.hwnd || !n.shown || !n.enabled) continue;
        if (GetWindowLongW(n.hwnd, GWL_STYLE) & WS_TABSTOP) {
            SetFocus(n.hwnd);
            return;
        }
    }
    SetFocus(hwnd_);
}

LRESULT CALLBACK Dialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCCREATE) self->hwnd_ = hwnd;
    LRESULT result = 0;
    if (Guarded(false, [&] {
            result = self->OnMessage(message, wParam, lParam);
            return true;
        }))
        return result;
    return IsWindow(hwnd) ? DefWindowProcW(hwnd, message, wParam, lParam) : 0;
}

LRESULT Dialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (HDC dc = BeginPaint(hwnd_, &ps)) {
            const gfx::Rect area{ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom};
            BlitSurface(dc, backdrop_, area, area.TopLeft());
            EndPaint(hwnd_, &ps);
        }
        return 0;
    }
    case WM_PRINTCLIENT:
        BlitSurface(reinterpret_cast<HDC>(wParam), backdrop_, backdrop_.Bounds(), {0, 0});
        return 0;
    case WM_CTLCOLORSTATIC: {
        const LRESULT brush = ControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), false);
        return brush ? brush : DefWindowProcW(hwnd_, message, wParam, lParam);
    }
    case WM_CTLCOLOREDIT: {
        const LRESULT brush = ControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), true);
        return brush ? brush : DefWindowProcW(hwnd_, message, wParam, lParam);
    }
    case WM_COMMAND: Command(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_DRAWITEM: {
        // A drawn control shows its part of the backdrop, where our renderer painted it.
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        NativeControl* n = ByWindow(item->hwndItem);
        if (!n || !n->Get()) return FALSE;
        const gfx::Point at = n->control->RootOffset();
        BlitSurface(item->hDC, backdrop_, gfx::Rect::FromSize(at, n->control->ClientSize()), {0, 0});
        if (item->itemState & ODS_SELECTED) InvertRect(item->hDC, &item->rcItem);
        return TRUE;
    }
    case DM_GETDEFID: {
        const int id = DefaultButtonId();
        return id ? MAKELRESULT(id, DC_HASDEFID) : 0;
    }
    case WM_CLOSE:
        form_.Close();
        AfterHandler();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && ::IsChild(hwnd_, focus)) lastFocus_ = focus;
        } else if (lastFocus_ && IsWindow(lastFocus_)) {
            SetFocus(lastFocus_);
        }
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == hwnd_ && LOWORD(lParam) == HTCLIENT) {
            POINT p{};
            GetCursorPos(&p);
            ScreenToClient(hwnd_, &p);
            const Control* c = MouseRouter::HitTest(form_, {p.x, p.y});
            SetCursor(cursors_.For(c ? c->Cursor() : 0));
            return TRUE;
        }
        if (NativeControl* n = ByWindow(reinterpret_cast<HWND>(wParam)); n && n->kind == Kind::Drawn && n->Get()) {
            SetCursor(cursors_.For(n->control->Cursor()));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN: MouseDown(MouseButton::Left, lParam, false); return 0;
    case WM_RBUTTONDOWN: MouseDown(MouseButton::Right, lParam, false); return 0;
    case WM_MBUTTONDOWN: MouseDown(MouseButton::Middle, lParam, false); return 0;
    case WM_LBUTTONDBLCLK: MouseDown(MouseButton::Left, lParam, true); return 0;
    case WM_LBUTTONUP: MouseUp(MouseButton::Left, lParam); return 0;
    case WM_RBUTTONUP: MouseUp(MouseButton::Right, lParam); return 0;
    case WM_MBUTTONUP: MouseUp(MouseButton::Middle, lParam); return 0;
    case WM_MOUSEMOVE:
        lastMouse_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        form_.ClientMouseMove(lastMouse_);
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd_)
            for (MouseButton b : {MouseButton::Left, MouseButton::Right, MouseButton::Middle})
                if (buttons_ & Bit(b)) {
                    buttons_ &= ~Bit(b);
                    form_.ClientMouseUp(b, lastMouse_);
                }
        return 0;
    default: break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

ModalResult Dialog::Run()
{
    HWND owner = ModalOwner();
    if (!Create(owner)) return ModalResult::Cancel;
    Realise();
    Sync();
    // The host's window takes no input while the dialog runs.
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner) EnableWindow(owner, FALSE);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    FocusFirst();
    bool quit = false;
    WPARAM quitCode = 0;
    while (form_.Result() == ModalResult::None && IsWindow(hwnd_)) {
        MSG msg;
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            quit = true;
            quitCode = msg.wParam;
            break;
        }
        if (got == -1) break;
        if (!IsDialogMessageW(hwnd_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    ModalResult r = form_.Result();
    if (r == ModalResult::None) r = ModalResult::Cancel;
    if (r == ModalResult::Ok && IsWindow(hwnd_)) {
        ReadBack();
        Commit();
    }
    // The owner is enabled again before the dialog goes, so that it gets the activation.
    if (disableOwner) EnableWindow(owner, TRUE);
    if (IsWindow(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
    if (quit) PostQuitMessage(static_cast<int>(quitCode));
    return r;
}

} // namespace

const std::wstring& ModalDialogClassName()
{
    static const std::wstring name = EnsureWindowClass(L"ixCanvasDialog", &Dialog::Procedure, CS_DBLCLKS);
    return name;
}

ModalResult RunModalDialog(Form& form, GdiText& text, CursorSet& cursors)
{
    static const bool commonControls = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)commonControls;
    Dialog dialog(form, text, cursors);
    return dialog.Run();
}

} // namespace ix::ui::win32
