#include "ui/win32/CursorSet.h"

#include "ui/Cursors.h"
#include "ui/win32/Module.h"

#include <array>
#include <cstdint>

namespace ix::ui::win32 {
namespace {

const wchar_t* SystemCursorName(int id)
{
    namespace c = cursors;
    switch (id) {
    case c::Cross: return IDC_CROSS;
    case c::IBeam: return IDC_IBEAM;
    case c::SizeNESW: return IDC_SIZENESW;
    case c::SizeNS: return IDC_SIZENS;
    case c::SizeNWSE: return IDC_SIZENWSE;
    case c::SizeWE: return IDC_SIZEWE;
    case c::UpArrow: return IDC_UPARROW;
    case c::HourGlass: return IDC_WAIT;
    case c::SQLWait: return IDC_WAIT;
    case c::NoDrop: return IDC_NO;
    case c::No: return IDC_NO;
    case c::HSplit: return IDC_SIZEWE;
    case c::VSplit: return IDC_SIZENS;
    case c::AppStart: return IDC_APPSTARTING;
    case c::Help: return IDC_HELP;
    case c::HandPoint: return IDC_HAND;
    case c::SizeAll: return IDC_SIZEALL;
    default: return IDC_ARROW;
    }
}

constexpr int kCursorSide = 32;
constexpr int kHotSpot = 15;
constexpr int kGap = 3; // free pixels around the hot spot, so the picked pixel stays visible

} // namespace

CursorSet::~CursorSet()
{
    for (auto& [slot, c] : slots_) Release(c);
    if (crossHair_) Release(crossHair_);
}

void CursorSet::Release(HCURSOR c)
{
    // A cursor cannot be destroyed while it is shown.
    if (GetCursor() == c) SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    DestroyCursor(c);
}

HCURSOR CursorSet::CrossHair()
{
    if (crossHair_) return crossHair_;
    // Monochrome masks, one bit a pixel, most significant bit first, 4 bytes a row.
    // AND 1 + XOR 0 leaves the screen, AND 1 + XOR 1 inverts it.
    std::array<std::uint8_t, kCursorSide * kCursorSide / 8> andMask{}, xorMask{};
    andMask.fill(0xFF);
    auto invert = [&](int x, int y) { xorMask[static_cast<std::size_t>(y * 4 + x / 8)] |= 0x80u >> (x % 8); };
    for (int i = 0; i < kCursorSide - 1; ++i) {
        if (i >= kHotSpot - kGap && i <= kHotSpot + kGap) continue;
        invert(i, kHotSpot);
        invert(kHotSpot, i);
    }
    invert(kHotSpot, kHotSpot);
    crossHair_ = CreateCursor(ThisModule(), kHotSpot, kHotSpot, kCursorSide, kCursorSide, andMask.data(),
                              xorMask.data());
    return crossHair_;
}

HCURSOR CursorSet::For(int id)
{
    if (id == -1) return nullptr; // "no cursor"
    if (id == cursors::ViewCross) {
        if (HCURSOR c = CrossHair()) return c;
        return LoadCursorW(nullptr, IDC_CROSS);
    }
    if (id > 0) {
        const auto it = slots_.find(id);
        return it != slots_.end() ? it->second : LoadCursorW(nullptr, IDC_ARROW);
    }
    return LoadCursorW(nullptr, SystemCursorName(id));
}

bool CursorSet::LoadSlot(int slot, const std::wstring& path)
{
    if (auto it = slots_.find(slot); it != slots_.end()) {
        Release(it->second);
        slots_.erase(it);
    }
    if (slot <= 0 || slot == cursors::ViewCross || path.empty()) return false;
    HCURSOR c = LoadCursorFromFileW(path.c_str());
    if (!c) return false;
    slots_[slot] = c;
    return true;
}

} // namespace ix::ui::win32
