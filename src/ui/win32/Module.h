// Module: the module our code lives in (the plug-in DLL, or a test program that links the
// toolkit) and the window classes it registers.
//
// A class is registered on first use under a name that carries the module's address, so a
// plug-in loaded, unloaded and loaded again at another address never finds a stale class
// whose window procedure points into freed code.
#pragma once

#include <windows.h>

#include <string>

namespace ix::ui::win32 {

HINSTANCE ThisModule();
// Registers (once per process and name) a window class of this module; returns the class
// name to create windows with, or an empty name when registration failed.
std::wstring EnsureWindowClass(const wchar_t* baseName, WNDPROC procedure, UINT style);

// Runs f and turns every C++ exception into `fallback`: the window procedures and
// callbacks that Windows calls must never let one unwind into the host's frames.
template <class R, class F> R Guarded(R fallback, F&& f) noexcept
{
    try {
        return f();
    } catch (...) {
        return fallback;
    }
}

} // namespace ix::ui::win32
