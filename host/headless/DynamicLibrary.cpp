#include "host/DynamicLibrary.h"

#include "host/ScriptError.h"
#include "host/Text.h"

#include <dlfcn.h>

namespace ix::host {
namespace {

class SharedObject : public DynamicLibrary {
public:
    explicit SharedObject(void* handle) : handle_(handle) {}
    ~SharedObject() override { dlclose(handle_); }
    void* Symbol(const char* name) const override { return dlsym(handle_, name); }

private:
    void* handle_;
};

} // namespace

std::unique_ptr<DynamicLibrary> DynamicLibrary::Open(const std::string& path)
{
    // RTLD_LOCAL: the plug-in's symbols stay its own, as in a process that loads several.
    void* handle = dlopen(ToUtf8(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        throw ScriptError(0, "cannot load the plug-in: " + std::string(reason ? reason : "unknown reason"));
    }
    return std::make_unique<SharedObject>(handle);
}

} // namespace ix::host
