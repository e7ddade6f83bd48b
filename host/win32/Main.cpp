#include "host/HostMain.h"

#include "gfx/Cp1251.h"

#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) args.push_back(ix::gfx::Utf16ToCp1251(reinterpret_cast<const char16_t*>(argv[i])));
    return ix::host::HostMain(args);
}
