// HostCallbacks: the four functions the host hands the plug-in at registration, in the
// plug-in's calling convention. They carry no context, so they reach the one player of
// the process through a slot that the player fills while it lives. Nothing thrown inside
// ever leaves them: the plug-in's frames are not ours to unwind.
#pragma once

#include <ixcanvas/plugin.h>

namespace ix::host {

class Player;

// Routes the callbacks to `player` (null: they do nothing and InterfaceAccess answers
// False).
void AttachCallbacks(Player* player);

IxAddActionProc AddActionCallback();
IxSetVarProc SetVariableCallback();
IxScriptProcessor ScriptProcessorCallback();
IxInterfaceAccess InterfaceAccessCallback();

} // namespace ix::host
