#include "ui/win32/Module.h"

#include <cwchar>
#include <map>

namespace ix::ui::win32 {

HINSTANCE ThisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

std::wstring EnsureWindowClass(const wchar_t* baseName, WNDPROC procedure, UINT style)
{
    static std::map<std::wstring, std::wstring> registered;
    if (auto it = registered.find(baseName); it != registered.end()) return it->second;
    HINSTANCE module = ThisModule();
    wchar_t name[96];
    std::swprintf(name, sizeof name / sizeof name[0], L"%ls.%08lx", baseName,
                  static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(module)));
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = module;
    wc.lpszClassName = name;
    if (!RegisterClassExW(&wc)) {
        if (GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return {};
        // Left over from an earlier load of this module at the same address.
        UnregisterClassW(name, module);
        if (!RegisterClassExW(&wc)) return {};
    }
    return registered.emplace(baseName, name).first->second;
}

} // namespace ix::ui::win32
