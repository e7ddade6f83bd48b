// The toolkit's real windows: a form embedded in a host rectangle's window as a canvas
// is, its painting, the host's control message, enabling and the mouse capture.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/Cursors.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/Platform.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/Win32Platform.h"
#include "win32/Harness.h"
#include "win32/ToolkitDriver.h"

namespace {

using namespace ix;

constexpr UINT kHostControl = 1274;

// A form set up as the canvas window is: borderless, a coloured panel and a caption on
// it, and the host's control message answered as the canvas answers it.
struct EmbeddedForm {
  ui::Form form{"Canvas1", "TPicture"};
  ui::Panel* panel = nullptr;
  int mouseDowns = 0, mouseMoves = 0, mouseUps = 0;
  ui::MouseEvent lastMove, lastUp;

  explicit EmbeddedForm(HWND host) {
    form.SetBorder(ui::BorderStyle::None);
    form.SetColor(gfx::colors::White);
    panel = &form.Add<ui::Panel>("Panel1");
    panel->SetBounds(10, 10, 60, 40);
    panel->SetColor(gfx::Color::FromRgb(200, 30, 40));
    panel->SetBevelOuter(ui::Bevel::None);
    auto& label = form.Add<ui::Label>("Label1");
    label.SetCaption("\xCF\xF0\xE8\xE2\xE5\xF2");  // "Привет" in Windows-1251
    label.SetPosition({12, 60});
    panel->onMouseDown = [this](ui::Control&, const ui::MouseEvent&) { ++mouseDowns; };
    panel->onMouseMove = [this](ui::Control&, const ui::MouseEvent& e) { ++mouseMoves, lastMove = e; };
    panel->onMouseUp = [this](ui::Control&, const ui::MouseEvent& e) { ++mouseUps, lastUp = e; };
    form.onMessage = [](ui::Form& f, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) -> std::intptr_t {
      if (message != kHostControl) return 0;
      switch (lParam) {
        case 4:
          if (auto r = f.ParentClientRect()) {
            f.SetBounds(0, 0, r->Width(), r->Height());
            f.Show();
          }
          break;
        case 5:
          if (wParam != 0) f.PaintTo(wParam, {0, 0});
          break;
        case 7: f.SetEnabled(false); break;
        case 8: f.SetEnabled(true); break;
        default: break;
      }
      return 0;
    };
    IX_CHECK(form.SetParentWindow(reinterpret_cast<ui::WindowHandle>(host)));
    const auto r = form.ParentClientRect();
    IX_CHECK(r.has_value());
    if (r) form.SetBounds(0, 0, r->Width(), r->Height());
    form.Show();
    form.BringWindowToTop();
    ixwin::PumpMessages();
  }
  HWND hwnd() { return reinterpret_cast<HWND>(form.Handle()); }
};

// A 32 x 32 monochrome .cur file with its hot spot at (3, 5).
std::string WriteCursorFile() {
  std::string bytes;
  auto u16 = [&](unsigned v) { bytes += static_cast<char>(v & 0xFF), bytes += static_cast<char>(v >> 8 & 0xFF); };
  auto u32 = [&](unsigned v) { u16(v & 0xFFFF), u16(v >> 16); };
  u16(0), u16(2), u16(1);                           // cursor directory, one image
  bytes += '\x20', bytes += '\x20', bytes += '\x02', bytes += '\0';  // 32 x 32, 2 colours
  u16(3), u16(5), u32(40 + 8 + 128 + 128), u32(22);  // hot spot, size, offset
  u32(40), u32(32), u32(64), u16(1), u16(1), u32(0), u32(256), u32(0), u32(0), u32(0), u32(0);
  u32(0x000000), u32(0xFFFFFF);                      // palette
  for (int i = 0; i < 128; ++i) bytes += static_cast<char>(i % 8 == 0 ? 0xFF : 0);  // XOR: stripes
  for (int i = 0; i < 128; ++i) bytes += static_cast<char>(0);                      // AND: opaque
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  std::wstring path = std::wstring(dir) + L"ixtest_slot.cur";
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
  return std::string(path.begin(), path.end());  // the temp folder is ASCII here
}

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y))); }

}  // namespace

IX_CASE(ToolkitFormIsChildOfTheHostRectangleAndFollowsResizes) {
  ixwin::HostPage page(200, 150);
  HWND sibling = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, page.rect(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  EmbeddedForm canvas(page.rect());
  HWND w = canvas.hwnd();
  IX_CHECK(w != nullptr);
  IX_CHECK(GetParent(w) == page.rect());
  IX_CHECK(GetWindowLongW(w, GWL_STYLE) & WS_CHILD);
  IX_CHECK(!(GetWindowLongW(w, GWL_STYLE) & (WS_CAPTION | WS_BORDER | WS_THICKFRAME)));
  IX_CHECK(IsWindowVisible(w));
  IX_CHECK(GetWindow(page.rect(), GW_CHILD) == w);  // on top of its siblings
  RECT r = ixwin::ChildRect(w);
  IX_CHECK_EQ(r.left, 0);
  IX_CHECK_EQ(r.top, 0);
  IX_CHECK_EQ(r.right, 200);
  IX_CHECK_EQ(r.bottom, 150);

  // The host resizes its rectangle and sends code 4.
  MoveWindow(page.rect(), 20, 30, 260, 190, TRUE);
  IX_CHECK_EQ(SendMessageW(w, kHostControl, 0, 4), 0);
  r = ixwin::ChildRect(w);
  IX_CHECK_EQ(r.right - r.left, 260);
  IX_CHECK_EQ(r.bottom - r.top, 190);
  IX_CHECK_EQ(canvas.form.Width(), 260);
  IX_CHECK_EQ(canvas.form.Height(), 190);

  // A resize of our window by someone else reaches the form too.
  MoveWindow(w, 0, 0, 120, 80, TRUE);
  IX_CHECK_EQ(canvas.form.Width(), 120);
  IX_CHECK_EQ(canvas.form.Height(), 80);
  DestroyWindow(sibling);
}

IX_CASE(ToolkitFormRefusesUnknownAndOwnParents) {
  ixwin::HostPage page(100, 100);
  EmbeddedForm canvas(page.rect());
  IX_CHECK(!canvas.form.SetParentWindow(0x7FFF0000));                                        // no such window
  IX_CHECK(!canvas.form.SetParentWindow(reinterpret_cast<ui::WindowHandle>(canvas.hwnd())));  // itself
  IX_CHECK(GetParent(canvas.hwnd()) == page.rect());
}

IX_CASE(ToolkitCode5PaintsTheSamePixelsAsWmPaint) {
  ixwin::HostPage page(160, 120);
  EmbeddedForm canvas(page.rect());
  HWND w = canvas.hwnd();
  RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  HDC windowDc = GetDC(w);
  const std::vector<std::uint32_t> onScreen = ixwin::CapturePixels(windowDc, 160, 120);
  ReleaseDC(w, windowDc);

  ixwin::MemoryCanvas memory(160, 120);
  IX_CHECK_EQ(SendMessageW(w, kHostControl, reinterpret_cast<WPARAM>(memory.dc()), 5), 0);
  const std::vector<std::uint32_t> painted = memory.Pixels();
  IX_CHECK(painted == onScreen);
  IX_CHECK_EQ(painted[20 * 160 + 20], 0xC81E28u);  // the panel
  IX_CHECK_EQ(painted[5 * 160 + 5], 0xFFFFFFu);    // the form
  int inked = 0;                                   // the caption drawn by GDI
  for (int y = 60; y < 80; ++y)
    for (int x = 12; x < 80; ++x) inked += painted[y * 160 + x] != 0xFFFFFFu;
  IX_CHECK(inked > 20);

  // WM_PRINTCLIENT paints the same.
  ixwin::MemoryCanvas printed(160, 120);
  SendMessageW(w, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc()), PRF_CLIENT);
  IX_CHECK(printed.Pixels() == onScreen);

  // Code 5 with no device context, or a handle that is none, paints nothing and fails nothing.
  IX_CHECK_EQ(SendMessageW(w, kHostControl, 0, 5), 0);
  IX_CHECK(!canvas.form.PaintTo(0x12345678, {0, 0}));
}

IX_CASE(ToolkitCodes7And8DisableAndEnable) {
  ixwin::HostPage page(100, 100);
  EmbeddedForm canvas(page.rect());
  HWND w = canvas.hwnd();
  IX_CHECK(IsWindowEnabled(w));
  IX_CHECK_EQ(SendMessageW(w, kHostControl, 0, 7), 0);
  IX_CHECK(!IsWindowEnabled(w));
  IX_CHECK(!canvas.form.Enabled());
  // A disabled form takes no press even when one is delivered to it.
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  SendMessageW(w, WM_LBUTTONUP, 0, At(20, 20));
  IX_CHECK_EQ(canvas.mouseDowns, 0);
  IX_CHECK_EQ(SendMessageW(w, kHostControl, 0, 8), 0);
  IX_CHECK(IsWindowEnabled(w));
  IX_CHECK(canvas.form.Enabled());
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  SendMessageW(w, WM_LBUTTONUP, 0, At(20, 20));
  IX_CHECK_EQ(canvas.mouseDowns, 1);
  // Other codes do nothing and answer 0.
  IX_CHECK_EQ(SendMessageW(w, kHostControl, 0, 6), 0);
  IX_CHECK_EQ(SendMessageW(w, kHostControl, 0, 99), 0);
  IX_CHECK(IsWindowEnabled(w));
}

IX_CASE(ToolkitDragHoldsTheCaptureAndEndsWhenTheCaptureIsTaken) {
  ixwin::HostPage page(200, 150);
  EmbeddedForm canvas(page.rect());
  HWND w = canvas.hwnd();

  // A drag that leaves the window: the capture keeps the moves and the release coming.
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  IX_CHECK(GetCapture() == w);
  SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, At(-30, 400));
  IX_CHECK_EQ(canvas.lastMove.x, -40);  // panel coordinates: the panel sits at (10, 10)
  IX_CHECK_EQ(canvas.lastMove.y, 390);
  SendMessageW(w, WM_LBUTTONUP, 0, At(-30, 400));
  IX_CHECK_EQ(canvas.mouseUps, 1);
  IX_CHECK(GetCapture() != w);

  // Another window takes the capture in the middle of a drag: the gesture still ends,
  // where the mouse was last seen.
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(30, 25));
  SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, At(50, 35));
  IX_CHECK(GetCapture() == w);
  SetCapture(page.page());
  IX_CHECK_EQ(canvas.mouseUps, 2);
  IX_CHECK_EQ(canvas.lastUp.x, 40);
  IX_CHECK_EQ(canvas.lastUp.y, 25);
  ReleaseCapture();
  // The router is free again: a new press reaches the panel.
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  SendMessageW(w, WM_LBUTTONUP, 0, At(20, 20));
  IX_CHECK_EQ(canvas.mouseDowns, 3);
  IX_CHECK_EQ(canvas.mouseUps, 3);
}

IX_CASE(ToolkitFormSurvivesItsParentGoingAway) {
  auto page = std::make_unique<ixwin::HostPage>(100, 100);
  EmbeddedForm canvas(page->rect());
  page.reset();  // the host destroys its page with our window in it
  IX_CHECK(!canvas.form.HasWindow());
  // A new window comes when the form needs one.
  IX_CHECK(canvas.form.Handle() != 0);
}

IX_CASE(ToolkitCursorFollowsTheCurrentCursorId) {
  ixwin::HostPage page(100, 100);
  EmbeddedForm canvas(page.rect());
  HWND w = canvas.hwnd();
  ui::Platform& platform = ui::ThePlatform();
  auto setCursor = [&] { SendMessageW(w, WM_SETCURSOR, reinterpret_cast<WPARAM>(w), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)); };

  platform.SetCurrentCursor(ui::cursors::HandPoint);
  setCursor();
  IX_CHECK(GetCursor() == LoadCursorW(nullptr, IDC_HAND));
  platform.SetCurrentCursor(ui::cursors::SizeWE);
  setCursor();
  IX_CHECK(GetCursor() == LoadCursorW(nullptr, IDC_SIZEWE));
  platform.SetCurrentCursor(ui::cursors::ViewCross);
  setCursor();
  HCURSOR cross = GetCursor();
  IX_CHECK(cross != nullptr);
  IX_CHECK(cross != LoadCursorW(nullptr, IDC_ARROW));
  ICONINFO info{};
  IX_CHECK(GetIconInfo(cross, &info));
  IX_CHECK_EQ(info.xHotspot, 15u);
  IX_CHECK_EQ(info.yHotspot, 15u);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);

  // A custom slot from a cursor file: a missing file empties the slot.
  IX_CHECK(!platform.LoadCursorFile(1, "Z:\\no\\such\\file.cur"));
  IX_CHECK(!platform.CursorSlotLoaded(1));
  platform.SetCurrentCursor(1);
  setCursor();
  IX_CHECK(GetCursor() == LoadCursorW(nullptr, IDC_ARROW));

  // Slot 1 from a real file: both canvases show the same cursor with its hot spot.
  IX_CHECK(platform.LoadCursorFile(1, WriteCursorFile()));
  IX_CHECK(platform.CursorSlotLoaded(1));
  ixwin::HostPage second(100, 100);
  EmbeddedForm other(second.rect());
  setCursor();
  HCURSOR first = GetCursor();
  SendMessageW(other.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(other.hwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  IX_CHECK(GetCursor() == first);
  IX_CHECK(first != LoadCursorW(nullptr, IDC_ARROW));
  ICONINFO custom{};
  IX_CHECK(GetIconInfo(first, &custom));
  IX_CHECK_EQ(custom.xHotspot, 3u);
  IX_CHECK_EQ(custom.yHotspot, 5u);
  if (custom.hbmMask) DeleteObject(custom.hbmMask);
  if (custom.hbmColor) DeleteObject(custom.hbmColor);
  // Loading over a shown cursor works (the old one is put away first).
  IX_CHECK(platform.LoadCursorFile(1, WriteCursorFile()));
  platform.SetCurrentCursor(ui::cursors::Default);
}
