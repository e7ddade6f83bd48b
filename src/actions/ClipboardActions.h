// The clipboard actions, ids 71 to 76: pictures exchanged between a canvas's main view
// and the system clipboard (formats in ClipboardPictures.h). An unavailable clipboard
// changes nothing and the action still succeeds; clipboard contents that cannot be read
// (truncated, malformed, absurdly large) end the action with False.
#pragma once

#include "actions/ActionRegistry.h"

namespace ix::actions {

bool ExecCopyToClipboard(const ActionParams& p);      // 71
bool ExecCanvasClipboardTest(const ActionParams& p);  // 72
bool ExecPasteFromClipboard(const ActionParams& p);   // 73
bool ExecSelCopyToClip(const ActionParams& p);        // 74
bool ExecSelCutToClip(const ActionParams& p);         // 75
bool ExecSelPasteClipStretch(const ActionParams& p);  // 76

} // namespace ix::actions
