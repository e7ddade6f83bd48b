// EntryPoints: the eight exports of the plug-in, looked up by their undecorated names.
// The host calls the plug-in through these and nothing else (on Linux the headless window
// system's functions come on top, see Stage).
#pragma once

#include <ixcanvas/plugin.h>

namespace ix::host {

class DynamicLibrary;

struct EntryPoints {
    IxInitPlugInFn initPlugIn = nullptr;
    IxRegisterPlugInFn registerPlugIn = nullptr;
    IxRegisterScriptProcessorFn registerScriptProcessor = nullptr;
    IxRegisterInterfaceAccessFn registerInterfaceAccess = nullptr;
    IxExecActionFn execAction = nullptr;
    IxEditActionFn editAction = nullptr;
    IxMessageFn message = nullptr;
    IxAboutFn about = nullptr;
};

// Throws ScriptError naming the first export the library lacks.
EntryPoints ResolveEntryPoints(const DynamicLibrary& library);

} // namespace ix::host
