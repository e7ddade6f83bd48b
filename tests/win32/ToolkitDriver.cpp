#include "win32/ToolkitDriver.h"

#include <utility>

namespace ixwin {
namespace {

LRESULT CALLBACK PlainProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

const wchar_t* PlainClass() {
  static const wchar_t* name = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &PlainProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = L"ixTestHostWindow";
    RegisterClassW(&wc);
    return L"ixTestHostWindow";
  }();
  return name;
}

std::function<bool()>& DriverStep() {
  static std::function<bool()> step;
  return step;
}

UINT_PTR& DriverTimer() {
  static UINT_PTR timer = 0;
  return timer;
}

void CALLBACK DriverTick(HWND, UINT, UINT_PTR, DWORD) {
  std::function<bool()>& step = DriverStep();
  if (!step) return;
  std::function<bool()> current = step;  // the step may run a nested loop
  if (current()) {
    KillTimer(nullptr, DriverTimer());
    DriverTimer() = 0;
    step = nullptr;
  }
}

struct Search {
  const std::wstring* className;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam) {
  auto* s = reinterpret_cast<Search*>(lParam);
  wchar_t name[128] = {};
  GetClassNameW(hwnd, name, 128);
  if (IsWindowVisible(hwnd) && *s->className == name) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HostPage::HostPage(int rectWidth, int rectHeight) {
  page_ = CreateWindowExW(0, PlainClass(), L"Page", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 600,
                          500, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  rect_ = CreateWindowExW(0, PlainClass(), L"Rectangle1", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 20, 30,
                          rectWidth, rectHeight, page_, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(page_);
  SetActiveWindow(page_);
  PumpMessages();
}

HostPage::~HostPage() {
  if (page_) DestroyWindow(page_);
  PumpMessages();
}

TimerDriver::TimerDriver(std::function<bool()> step) {
  DriverStep() = std::move(step);
  DriverTimer() = SetTimer(nullptr, 0, 30, &DriverTick);
}

TimerDriver::~TimerDriver() {
  if (DriverTimer()) KillTimer(nullptr, DriverTimer());
  DriverTimer() = 0;
  DriverStep() = nullptr;
}

bool TimerDriver::finished() const { return !DriverStep(); }

HWND FindThreadWindow(const std::wstring& className) {
  Search s{&className, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &MatchWindow, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& className) {
  std::vector<HWND> out;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t name[128] = {};
    GetClassNameW(c, name, 128);
    if (className == name) out.push_back(c);
  }
  return out;
}

RECT ChildRect(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

MemoryCanvas::MemoryCanvas(int width, int height) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<std::uint32_t*>(bits);
  old_ = SelectObject(dc_, bitmap_);
  for (int i = 0; i < width * height; ++i) bits_[i] = 0xFFFFFF;
}

MemoryCanvas::~MemoryCanvas() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

std::vector<std::uint32_t> MemoryCanvas::Pixels() const {
  GdiFlush();
  std::vector<std::uint32_t> out(bits_, bits_ + static_cast<std::size_t>(width_) * height_);
  for (std::uint32_t& p : out) p &= 0xFFFFFF;
  return out;
}

std::vector<std::uint32_t> CapturePixels(HDC source, int width, int height) {
  MemoryCanvas canvas(width, height);
  BitBlt(canvas.dc(), 0, 0, width, height, source, 0, 0, SRCCOPY);
  return canvas.Pixels();
}

}  // namespace ixwin
