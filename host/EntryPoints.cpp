#include "host/EntryPoints.h"

#include "host/DynamicLibrary.h"
#include "host/ScriptError.h"

namespace ix::host {
namespace {

template <typename Fn> void Resolve(const DynamicLibrary& library, const char* name, Fn& slot)
{
    void* address = library.Symbol(name);
    if (!address) throw ScriptError(0, std::string("the plug-in does not export ") + name);
    slot = reinterpret_cast<Fn>(address);
}

} // namespace

EntryPoints ResolveEntryPoints(const DynamicLibrary& library)
{
    EntryPoints e;
    Resolve(library, "qlInitPlugIn", e.initPlugIn);
    Resolve(library, "qlRegisterPlugIn", e.registerPlugIn);
    Resolve(library, "qlRegisterScriptProcessor", e.registerScriptProcessor);
    Resolve(library, "qlRegisterInterfaceAccess", e.registerInterfaceAccess);
    Resolve(library, "qlExecAction", e.execAction);
    Resolve(library, "qlEditAction", e.editAction);
    Resolve(library, "qlMessage", e.message);
    Resolve(library, "qlAbout", e.about);
    return e;
}

} // namespace ix::host
