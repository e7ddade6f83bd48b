// DynamicLibrary: the plug-in file loaded into the host's process (dlopen on Linux,
// LoadLibraryW on Windows) and the addresses of its exported names.
//
// Limits: the library stays loaded until the object is destroyed; nothing of the
// plug-in may be called after that.
#pragma once

#include <memory>
#include <string>

namespace ix::host {

class DynamicLibrary {
public:
    // Throws ScriptError (line 0) with the system's reason when the file cannot be loaded.
    // `path` is Windows-1251.
    static std::unique_ptr<DynamicLibrary> Open(const std::string& path);
    virtual ~DynamicLibrary() = default;
    // The address of an exported name, null when the library has none.
    virtual void* Symbol(const char* name) const = 0;
};

} // namespace ix::host
