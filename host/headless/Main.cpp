#include "host/HostMain.h"

#include "host/Text.h"

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) {
        // Arguments that have no Windows-1251 form keep their bytes; they fail later.
        args.push_back(ix::host::ScriptTextToCp1251(argv[i]).value_or(argv[i]));
    }
    return ix::host::HostMain(args);
}
