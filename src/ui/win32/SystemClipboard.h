// SystemClipboard: the Windows clipboard as the toolkit's Clipboard.
//
// It opens the clipboard for a hidden message-only window of its own, so that emptying
// makes us the owner and data can be set. Memory formats travel as the bytes of their
// global memory block; CF_ENHMETAFILE travels as the metafile's bytes. Formats whose data
// are GDI handles (bitmaps, palettes, old metafiles, owner display) are neither read nor
// set. Opening retries a few times for a short while, since another program may hold the
// clipboard for a moment; then it gives up.
#pragma once

#include "ui/Clipboard.h"

#include <windows.h>

namespace ix::ui::win32 {

class SystemClipboard : public Clipboard {
public:
    SystemClipboard() = default;
    ~SystemClipboard() override;
    SystemClipboard(const SystemClipboard&) = delete;
    SystemClipboard& operator=(const SystemClipboard&) = delete;

    bool Open() override;
    void Close() override;
    bool Empty() override;
    bool Has(unsigned format) override;
    std::optional<std::vector<std::uint8_t>> Get(unsigned format) override;
    bool Set(unsigned format, std::vector<std::uint8_t> data) override;
    std::vector<unsigned> Formats() override;
    unsigned RegisterFormat(const std::string& name) override;

private:
    HWND Owner();

    HWND owner_ = nullptr;
    bool open_ = false;
};

} // namespace ix::ui::win32
