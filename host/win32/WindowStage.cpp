// The Windows stage: real windows. The page is a borderless top-level window on screen
// (pictures are captured from the screen, so it must be shown), each object a child
// window of it. Mouse input is sent as button and move messages to the canvas window
// (the topmost child of the object's window); pictures are copied with BitBlt from its
// device context.
#include "host/Stage.h"

#include "host/ScriptError.h"
#include "host/win32/DialogDriver.h"

#include <windows.h>

#include <string>

namespace ix::host {
namespace {

constexpr UINT kHostControlMessage = 1274;
constexpr LPARAM kPaintIntoDeviceContext = 5;
constexpr COLORREF kPageColor = RGB(240, 240, 240);
constexpr int kMaxSettleMessages = 10000;

HWND AsWindow(WindowId w) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(w)); }
WindowId AsId(HWND w) { return static_cast<WindowId>(reinterpret_cast<INT_PTR>(w)); }

// A 32-bit top-down DIB section selected into a memory DC, freed on destruction.
class MemoryBitmap {
public:
    MemoryBitmap(int width, int height) : width_(width), height_(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (dc_ && bitmap_) old_ = SelectObject(dc_, bitmap_);
    }
    ~MemoryBitmap()
    {
        if (old_) SelectObject(dc_, old_);
        if (bitmap_) DeleteObject(bitmap_);
        if (dc_) DeleteDC(dc_);
    }
    MemoryBitmap(const MemoryBitmap&) = delete;
    MemoryBitmap& operator=(const MemoryBitmap&) = delete;

    bool ok() const { return dc_ && bitmap_ && bits_; }
    HDC dc() const { return dc_; }
    void Fill(COLORREF color)
    {
        RECT r{0, 0, width_, height_};
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(dc_, &r, brush);
        DeleteObject(brush);
    }
    // The pixels as RGBA; the screen has no alpha, so every pixel is opaque.
    RgbaImage Image() const
    {
        GdiFlush();
        RgbaImage image;
        image.width = width_;
        image.height = height_;
        image.rgba.resize(static_cast<std::size_t>(width_) * height_ * 4);
        const auto* src = static_cast<const std::uint8_t*>(bits_);
        for (std::size_t i = 0; i < image.rgba.size(); i += 4) {
            image.rgba[i] = src[i + 2];
            image.rgba[i + 1] = src[i + 1];
            image.rgba[i + 2] = src[i];
            image.rgba[i + 3] = 255;
        }
        return image;
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

LRESULT CALLBACK HostWindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(w, message, wParam, lParam);
}

class WindowStage : public Stage {
public:
    WindowStage()
    {
        instance_ = GetModuleHandleW(nullptr);
        pageBrush_ = CreateSolidBrush(kPageColor);
        RegisterClassOnce(L"IxHostPage", pageBrush_);
        RegisterClassOnce(L"IxHostObject", static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~WindowStage() override
    {
        driver_.reset();
        if (page_) DestroyWindow(page_);
        Settle();
        DeleteObject(pageBrush_);
    }

    void CreatePage(int width, int height) override
    {
        page_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"IxHostPage", L"ixhost", WS_POPUP | WS_CLIPCHILDREN, 0, 0, width,
                                height, nullptr, nullptr, instance_, nullptr);
        if (!page_) throw ScriptError(0, "cannot make the page window");
        ShowWindow(page_, SW_SHOWNOACTIVATE);
        UpdateWindow(page_);
        Settle();
    }

    WindowId CreateObject(const Bounds& b) override
    {
        HWND w = CreateWindowExW(0, L"IxHostObject", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                 b.left, b.top, b.width, b.height, page_, nullptr, instance_, nullptr);
        if (!w) throw ScriptError(0, "cannot make an object window");
        Settle();
        return AsId(w);
    }

    bool MoveObject(WindowId object, const Bounds& b) override
    {
        bool ok = IsWindow(AsWindow(object)) && MoveWindow(AsWindow(object), b.left, b.top, b.width, b.height, TRUE);
        Settle();
        return ok;
    }

    std::string HandleText(WindowId w) override { return std::to_string(w); }

    WindowId CanvasWindow(WindowId object) override
    {
        // GW_CHILD gives the child at the top of the z-order.
        return IsWindow(AsWindow(object)) ? AsId(GetWindow(AsWindow(object), GW_CHILD)) : 0;
    }

    bool IsEnabled(WindowId w) override { return IsWindowEnabled(AsWindow(w)) != FALSE; }

    bool MouseDown(WindowId w, MouseButton b, int x, int y) override
    {
        held_ |= Flag(b);
        return SendMouse(w, DownMessage(b), x, y);
    }
    bool MouseMove(WindowId w, int x, int y) override { return SendMouse(w, WM_MOUSEMOVE, x, y); }
    bool MouseUp(WindowId w, MouseButton b, int x, int y) override
    {
        held_ &= ~Flag(b);
        return SendMouse(w, UpMessage(b), x, y);
    }

    std::optional<std::int64_t> Send(WindowId w, std::uint32_t message, std::uint64_t wParam, std::int64_t lParam) override
    {
        if (!IsWindow(AsWindow(w))) return std::nullopt;
        LRESULT r = SendMessageW(AsWindow(w), message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
        Settle();
        return static_cast<std::int64_t>(r);
    }

    std::optional<RgbaImage> Capture(WindowId id) override
    {
        HWND w = AsWindow(id);
        if (!IsWindow(w)) return std::nullopt;
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Settle();
        RECT r;
        GetClientRect(w, &r);
        if (r.right <= 0 || r.bottom <= 0) return std::nullopt;
        MemoryBitmap bitmap(r.right, r.bottom);
        if (!bitmap.ok()) return std::nullopt;
        HDC source = GetDC(w);
        BOOL copied = BitBlt(bitmap.dc(), 0, 0, r.right, r.bottom, source, 0, 0, SRCCOPY);
        ReleaseDC(w, source);
        if (!copied) return std::nullopt;
        return bitmap.Image();
    }

    std::optional<RgbaImage> PaintIntoDeviceContext(WindowId id, int width, int height) override
    {
        HWND w = AsWindow(id);
        if (!IsWindow(w)) return std::nullopt;
        MemoryBitmap bitmap(width, height);
        if (!bitmap.ok()) return std::nullopt;
        bitmap.Fill(RGB(255, 255, 255));
        SendMessageW(w, kHostControlMessage, reinterpret_cast<WPARAM>(bitmap.dc()), kPaintIntoDeviceContext);
        return bitmap.Image();
    }

    void InstallDialogDrivers(DialogAnswers& answers) override
    {
        driver_ = std::make_unique<DialogDriver>(answers, page_);
    }

    void Settle() override
    {
        MSG msg;
        for (int i = 0; i < kMaxSettleMessages && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

private:
    void RegisterClassOnce(const wchar_t* name, HBRUSH background)
    {
        WNDCLASSW c{};
        c.lpfnWndProc = &HostWindowProc;
        c.hInstance = instance_;
        c.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        c.hbrBackground = background;
        c.lpszClassName = name;
        RegisterClassW(&c);
    }

    static WPARAM Flag(MouseButton b)
    {
        return b == MouseButton::Right ? MK_RBUTTON : b == MouseButton::Middle ? MK_MBUTTON : MK_LBUTTON;
    }
    static UINT DownMessage(MouseButton b)
    {
        return b == MouseButton::Right ? WM_RBUTTONDOWN : b == MouseButton::Middle ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
    }
    static UINT UpMessage(MouseButton b)
    {
        return b == MouseButton::Right ? WM_RBUTTONUP : b == MouseButton::Middle ? WM_MBUTTONUP : WM_LBUTTONUP;
    }

    bool SendMouse(WindowId id, UINT message, int x, int y)
    {
        HWND w = AsWindow(id);
        if (!IsWindow(w)) return false;
        // Real input never reaches a disabled or hidden window, unless it holds the capture.
        if (GetCapture() != w && (!IsWindowEnabled(w) || !IsWindowVisible(w))) return false;
        LPARAM at = static_cast<LPARAM>(static_cast<std::uint16_t>(x)) |
                    static_cast<LPARAM>(static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16);
        SendMessageW(w, message, held_, at);
        Settle();
        return true;
    }

    HINSTANCE instance_ = nullptr;
    HBRUSH pageBrush_ = nullptr;
    HWND page_ = nullptr;
    WPARAM held_ = 0;
    std::unique_ptr<DialogDriver> driver_;
};

} // namespace

std::unique_ptr<Stage> CreateStage(const DynamicLibrary&) { return std::make_unique<WindowStage>(); }

} // namespace ix::host
