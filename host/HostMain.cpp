#include "host/HostMain.h"

#include "gfx/Cp1251.h"
#include "host/DynamicLibrary.h"
#include "host/EntryPoints.h"
#include "host/Player.h"
#include "host/ScriptError.h"
#include "host/Stage.h"
#include "host/Text.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace ix::host {
namespace {

constexpr int kFailedExpectations = 1;
constexpr int kScriptFault = 2;
constexpr std::uintmax_t kMaxScriptSize = 16u << 20;

std::filesystem::path FilePath(const std::string& cp1251)
{
#ifdef _WIN32
    return std::filesystem::path(gfx::Cp1251ToUtf16(cp1251));
#else
    return std::filesystem::path(ToUtf8(cp1251));
#endif
}

std::string PathText(const std::filesystem::path& p)
{
#ifdef _WIN32
    return gfx::Utf16ToCp1251(p.u16string());
#else
    return gfx::Utf8ToCp1251(p.string());
#endif
}

std::string ReadScript(const std::string& path)
{
    std::error_code ec;
    std::uintmax_t size = std::filesystem::file_size(FilePath(path), ec);
    if (ec) throw ScriptError(0, "cannot read the script " + ToUtf8(path));
    if (size > kMaxScriptSize) throw ScriptError(0, "the script is too large");
    std::ifstream in(FilePath(path), std::ios::binary);
    std::string utf8((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) throw ScriptError(0, "cannot read the script " + ToUtf8(path));
    if (utf8.rfind("\xEF\xBB\xBF", 0) == 0) utf8.erase(0, 3);
    std::optional<std::string> text = ScriptTextToCp1251(utf8);
    if (!text) throw ScriptError(0, "the script holds text that is not UTF-8 or has no Windows-1251 form");
    return *text;
}

void Usage()
{
    std::fprintf(stderr, "usage: ixhost [--plugin FILE] [--out DIR] [--verbose] SCRIPT\n");
}

} // namespace

int HostMain(const std::vector<std::string>& args)
{
    // Line by line, so that the host's report and the plug-in's effects interleave in logs.
    std::setvbuf(stdout, nullptr, _IOLBF, 1024);
    std::string plugin, out = ".", script;
    bool verbose = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--plugin" || a == "--out") && i + 1 < args.size()) {
            (a == "--plugin" ? plugin : out) = args[++i];
        } else if (a == "--verbose" || a == "-v") {
            verbose = true;
        } else if (!a.empty() && a[0] == '-') {
            Usage();
            return kScriptFault;
        } else if (script.empty()) {
            script = a;
        } else {
            Usage();
            return kScriptFault;
        }
    }
    if (script.empty()) {
        Usage();
        return kScriptFault;
    }
    if (plugin.empty()) plugin = ProgramFolder() + PathSeparator() + DefaultPluginName();
    std::string name = ToUtf8(PathText(FilePath(script).filename()));
    try {
        Program program = ParseScript(ReadScript(script));
        std::error_code ec;
        std::filesystem::create_directories(FilePath(out), ec);
        if (ec) throw ScriptError(0, "cannot make the folder " + ToUtf8(out));

        PlayOptions options;
        options.scriptName = name;
        std::string dir = PathText(FilePath(script).parent_path());
        options.scriptDir = dir.empty() ? "." : dir;
        options.outDir = out;
        options.verbose = verbose;

        std::unique_ptr<DynamicLibrary> library = DynamicLibrary::Open(plugin);
        EntryPoints entryPoints = ResolveEntryPoints(*library);
        int failures = 0;
        {
            std::unique_ptr<Stage> stage = CreateStage(*library);
            Player player(entryPoints, *stage, std::move(program), options);
            failures = player.Play();
        }
        if (failures > 0) {
            std::fprintf(stderr, "%s: %d expectation(s) failed\n", name.c_str(), failures);
            return kFailedExpectations;
        }
        std::printf("%s: passed\n", name.c_str());
        return 0;
    } catch (const ScriptError& e) {
        if (e.line() > 0) std::fprintf(stderr, "%s:%d: error: %s\n", name.c_str(), e.line(), e.what());
        else std::fprintf(stderr, "%s: error: %s\n", name.c_str(), e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: error: %s\n", name.c_str(), e.what());
    }
    return kScriptFault;
}

} // namespace ix::host
