// CursorSet: the Windows cursor for each cursor id of the toolkit.
//
// Negative ids are the framework's standard cursors, mapped to the system cursors that
// look the same (0 and unknown ids: the arrow; -1: no cursor). 1785 is the image view's
// cross-hair, built here at run time (an inverting cross, so it shows on any picture).
// Other positive ids are custom slots filled from cursor files; an empty slot shows the
// arrow. The set owns the cursors it made and destroys them with itself.
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace ix::ui::win32 {

class CursorSet {
public:
    CursorSet() = default;
    ~CursorSet();
    CursorSet(const CursorSet&) = delete;
    CursorSet& operator=(const CursorSet&) = delete;

    HCURSOR For(int id);
    // Empties the slot, then loads the file (UTF-16 path) into it; false when the slot
    // number is not a custom one or the file gives no cursor.
    bool LoadSlot(int slot, const std::wstring& path);
    bool SlotLoaded(int slot) const { return slots_.count(slot) != 0; }

private:
    void Release(HCURSOR c);
    HCURSOR CrossHair();

    std::map<int, HCURSOR> slots_;
    HCURSOR crossHair_ = nullptr;
};

} // namespace ix::ui::win32
