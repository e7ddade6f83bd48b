#include "host/HostMain.h"

#include "gfx/Cp1251.h"

#include <windows.h>

#include <iterator>
#include <string>

namespace ix::host {

std::string ProgramFolder()
{
    wchar_t buffer[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    if (n == 0 || n >= std::size(buffer)) return ".";
    std::u16string path(reinterpret_cast<const char16_t*>(buffer), n);
    std::size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? "." : gfx::Utf16ToCp1251(path.substr(0, slash));
}

const char* DefaultPluginName() { return "ixCanvas.qlp"; }
char PathSeparator() { return '\\'; }

} // namespace ix::host
