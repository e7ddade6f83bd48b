#include "host/HostMain.h"

#include "host/Text.h"

#include <filesystem>
#include <system_error>

namespace ix::host {

std::string ProgramFolder()
{
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : ScriptTextToCp1251(self.parent_path().string()).value_or(".");
}

const char* DefaultPluginName() { return "libixcanvas.so"; }
char PathSeparator() { return '/'; }

} // namespace ix::host
