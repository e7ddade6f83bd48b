// The eight entry points the host calls. Each runs its work inside a catch-all, so that
// nothing thrown in the plug-in ever unwinds into the host.

#include <ixcanvas/plugin.h>

#include <cstdint>

#include "boundary/HostSlots.h"
#include "boundary/HostString.h"
#include "boundary/Localization.h"
#include "boundary/Maker.h"
#include "canvas/CanvasList.h"
#include "plugin/AboutBox.h"
#include "plugin/Dispatch.h"
#include "plugin/Export.h"
#include "plugin/Guard.h"
#include "plugin/MessageBox.h"
#include "plugin/Registration.h"

namespace {

using namespace ix;

constexpr std::int32_t kCloseAllCanvases = 2;

IxBool AsHostBool(bool value) { return value ? 1 : 0; }

}  // namespace

IX_EXPORT void IX_HOSTCALL qlInitPlugIn(std::int32_t hostWindow, char** title, char** publisher, char** hint) {
  plugin::Guarded([&] {
    boundary::Host().hostWindow = hostWindow;
    if (title) boundary::SetHostString(*title, "ixCanvas 2.0");
    if (publisher) boundary::SetHostString(*publisher, boundary::kMakerCredit);
    if (hint) boundary::SetHostString(*hint, "Drawing in Quillary projects");
  });
}

IX_EXPORT void IX_HOSTCALL qlRegisterPlugIn(IxAddActionProc addAction, void* value2, void* value3,
                                            IxSetVarProc setVar) {
  plugin::Guarded([&] {
    if (boundary::CheckLocalizationHeader() == boundary::HeaderCheck::Modified) {
      plugin::ShowMessage(boundary::kLocalizationWarning);
    }
    boundary::HostSlots& host = boundary::Host();
    host.addAction = addAction;
    host.registerValue2 = value2;
    host.registerValue3 = value3;
    host.setVar = setVar;
    plugin::RegisterCatalogue(addAction);
  });
}

IX_EXPORT void IX_HOSTCALL qlRegisterScriptProcessor(IxScriptProcessor proc) {
  boundary::Host().scriptProcessor = proc;
}

IX_EXPORT void IX_HOSTCALL qlRegisterInterfaceAccess(IxInterfaceAccess proc) {
  boundary::Host().interfaceAccess = proc;
}

IX_EXPORT IxBool IX_HOSTCALL qlExecAction(std::int32_t id, char** params) {
  return plugin::Guarded(IxBool{0}, [&] { return AsHostBool(plugin::DispatchTable::Instance().Execute(id, params)); });
}

IX_EXPORT IxBool IX_HOSTCALL qlEditAction(std::int32_t id, char** params) {
  return plugin::Guarded(IxBool{0}, [&] { return AsHostBool(plugin::DispatchTable::Instance().Edit(id, params)); });
}

IX_EXPORT void IX_HOSTCALL qlMessage(std::int32_t code, std::int32_t, std::int32_t) {
  plugin::Guarded([&] {
    if (code == kCloseAllCanvases) canvas::CloseAllCanvases();
  });
}

IX_EXPORT void IX_HOSTCALL qlAbout() {
  plugin::Guarded([] { plugin::ShowAboutBox(); });
}

// The definitions above must keep the types the ABI header gives hosts.
[[maybe_unused]] static constexpr IxInitPlugInFn kCheckInit = &qlInitPlugIn;
[[maybe_unused]] static constexpr IxRegisterPlugInFn kCheckRegister = &qlRegisterPlugIn;
[[maybe_unused]] static constexpr IxRegisterScriptProcessorFn kCheckScript = &qlRegisterScriptProcessor;
[[maybe_unused]] static constexpr IxRegisterInterfaceAccessFn kCheckAccess = &qlRegisterInterfaceAccess;
[[maybe_unused]] static constexpr IxExecActionFn kCheckExec = &qlExecAction;
[[maybe_unused]] static constexpr IxEditActionFn kCheckEdit = &qlEditAction;
[[maybe_unused]] static constexpr IxMessageFn kCheckMessage = &qlMessage;
[[maybe_unused]] static constexpr IxAboutFn kCheckAbout = &qlAbout;
