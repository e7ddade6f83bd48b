#pragma once
// Helpers of the toolkit's Windows cases: a host window with a child "rectangle" window
// (what the host gives a canvas to live in), a thread-timer driver that works inside any
// modal loop, window lookups, and pixel capture.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ixwin {

// A visible top-level page window with one child rectangle window at (20, 30).
class HostPage {
 public:
  HostPage(int rectWidth, int rectHeight);
  ~HostPage();
  HostPage(const HostPage&) = delete;
  HostPage& operator=(const HostPage&) = delete;

  HWND page() const { return page_; }
  HWND rect() const { return rect_; }

 private:
  HWND page_ = nullptr;
  HWND rect_ = nullptr;
};

// Runs `step` every 30 ms from a thread timer (it fires inside modal loops) until it
// returns true; then the timer goes. At most one driver runs at a time.
class TimerDriver {
 public:
  explicit TimerDriver(std::function<bool()> step);
  ~TimerDriver();
  TimerDriver(const TimerDriver&) = delete;
  TimerDriver& operator=(const TimerDriver&) = delete;
  bool finished() const;
};

// The first visible top-level window of this thread with that class name, or null.
HWND FindThreadWindow(const std::wstring& className);
// The children of `parent` with that class name, in z-order.
std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& className);
// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child);
// Pumps the thread's messages until none is left.
void PumpMessages();
// The pixels of a device context's area (0xRRGGBB, alpha dropped), row by row.
std::vector<std::uint32_t> CapturePixels(HDC dc, int width, int height);
// A 32-bit memory device context with its own bitmap, white to start with.
class MemoryCanvas {
 public:
  MemoryCanvas(int width, int height);
  ~MemoryCanvas();
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;
  HDC dc() const { return dc_; }
  std::vector<std::uint32_t> Pixels() const;

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace ixwin
