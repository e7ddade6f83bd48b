#include "ui/win32/SystemClipboard.h"

#include "ui/win32/Module.h"
#include "ui/win32/WideText.h"

#include <cstring>

namespace ix::ui::win32 {
namespace {

constexpr int kOpenAttempts = 5;
constexpr DWORD kOpenPause = 10; // milliseconds between attempts

bool IsHandleFormat(unsigned format)
{
    switch (format) {
    case CF_BITMAP:
    case CF_METAFILEPICT:
    case CF_PALETTE:
    case CF_OWNERDISPLAY:
    case CF_DSPBITMAP:
    case CF_DSPMETAFILEPICT:
    case CF_DSPENHMETAFILE: return true;
    default: return false;
    }
}

} // namespace

SystemClipboard::~SystemClipboard()
{
    if (open_) CloseClipboard();
    if (owner_) DestroyWindow(owner_);
}

HWND SystemClipboard::Owner()
{
    if (owner_ && IsWindow(owner_)) return owner_;
    // The system's own procedure: the owner window outlives nothing of ours, but the
    // system still sends it WM_DESTROYCLIPBOARD when someone empties the clipboard, also
    // after the host has unloaded the plug-in.
    const std::wstring& cls = EnsureWindowClass(L"ixCanvasClipboard", &DefWindowProcW, 0);
    if (cls.empty()) return nullptr;
    owner_ = CreateWindowExW(0, cls.c_str(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ThisModule(), nullptr);
    return owner_;
}

bool SystemClipboard::Open()
{
    if (open_) return true;
    HWND owner = Owner();
    if (!owner) return false;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (OpenClipboard(owner)) {
            open_ = true;
            return true;
        }
        Sleep(kOpenPause);
    }
    return false;
}

void SystemClipboard::Close()
{
    if (!open_) return;
    CloseClipboard();
    open_ = false;
}

bool SystemClipboard::Empty()
{
    return open_ && EmptyClipboard();
}

bool SystemClipboard::Has(unsigned format)
{
    return open_ && format != 0 && IsClipboardFormatAvailable(format);
}

std::optional<std::vector<std::uint8_t>> SystemClipboard::Get(unsigned format)
{
    if (!open_ || format == 0 || IsHandleFormat(format)) return std::nullopt;
    HANDLE h = GetClipboardData(format);
    if (!h) return std::nullopt;
    try {
        if (format == CF_ENHMETAFILE) {
            const auto meta = static_cast<HENHMETAFILE>(h);
            const UINT size = GetEnhMetaFileBits(meta, 0, nullptr);
            if (size == 0) return std::nullopt;
            std::vector<std::uint8_t> bytes(size);
            if (GetEnhMetaFileBits(meta, size, bytes.data()) != size) return std::nullopt;
            return bytes;
        }
        const SIZE_T size = GlobalSize(h);
        if (size == 0) return std::vector<std::uint8_t>{};
        const void* p = GlobalLock(h);
        if (!p) return std::nullopt;
        std::vector<std::uint8_t> bytes;
        try {
            bytes.assign(static_cast<const std::uint8_t*>(p), static_cast<const std::uint8_t*>(p) + size);
        } catch (...) {
            GlobalUnlock(h);
            throw;
        }
        GlobalUnlock(h);
        return bytes;
    } catch (...) {
        return std::nullopt; // out of memory for a huge block
    }
}

bool SystemClipboard::Set(unsigned format, std::vector<std::uint8_t> data)
{
    if (!open_ || format == 0 || IsHandleFormat(format)) return false;
    if (format == CF_ENHMETAFILE) {
        HENHMETAFILE meta = SetEnhMetaFileBits(static_cast<UINT>(data.size()), data.data());
        if (!meta) return false;
        if (SetClipboardData(format, meta)) return true;
        DeleteEnhMetaFile(meta);
        return false;
    }
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, data.empty() ? 1 : data.size());
    if (!block) return false;
    void* p = GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return false;
    }
    if (!data.empty()) std::memcpy(p, data.data(), data.size());
    GlobalUnlock(block);
    if (SetClipboardData(format, block)) return true; // the clipboard owns it now
    GlobalFree(block);
    return false;
}

std::vector<unsigned> SystemClipboard::Formats()
{
    std::vector<unsigned> out;
    if (!open_) return out;
    for (UINT f = EnumClipboardFormats(0); f != 0; f = EnumClipboardFormats(f)) out.push_back(f);
    return out;
}

unsigned SystemClipboard::RegisterFormat(const std::string& name)
{
    if (name.empty()) return 0;
    return RegisterClipboardFormatW(WideFromCp1251(name).c_str());
}

} // namespace ix::ui::win32
