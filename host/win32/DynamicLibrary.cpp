#include "host/DynamicLibrary.h"

#include "gfx/Cp1251.h"
#include "host/ScriptError.h"

#include <windows.h>

namespace ix::host {
namespace {

class WindowsLibrary : public DynamicLibrary {
public:
    explicit WindowsLibrary(HMODULE module) : module_(module) {}
    ~WindowsLibrary() override { FreeLibrary(module_); }
    void* Symbol(const char* name) const override
    {
        return reinterpret_cast<void*>(GetProcAddress(module_, name));
    }

private:
    HMODULE module_;
};

} // namespace

std::unique_ptr<DynamicLibrary> DynamicLibrary::Open(const std::string& path)
{
    std::u16string wide = gfx::Cp1251ToUtf16(path);
    HMODULE module = LoadLibraryW(reinterpret_cast<const wchar_t*>(wide.c_str()));
    if (!module) {
        throw ScriptError(0, "cannot load the plug-in (system error " + std::to_string(GetLastError()) + ")");
    }
    return std::make_unique<WindowsLibrary>(module);
}

} // namespace ix::host
