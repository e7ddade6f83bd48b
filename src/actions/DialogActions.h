// The dialog actions, ids 93 to 95: a colour, a picture file to open and a name to save a
// picture under, picked by the user in a system dialog and written to a host variable.
// They take no canvas. Cancelling writes nothing and succeeds; a failure while showing a
// dialog gives False instead of reaching the host.
#pragma once

#include "actions/ActionRegistry.h"

namespace ix::actions {

bool ExecCanvasColorBox(const ActionParams& p);   // 93
bool ExecCanvasOpenDialog(const ActionParams& p); // 94
bool ExecCanvasSaveDialog(const ActionParams& p); // 95

} // namespace ix::actions
