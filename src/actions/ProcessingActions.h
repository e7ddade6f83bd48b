// The execute functions of the processing actions, ids 77 to 92: they work on the
// current layer's picture of the canvas's main view.
#pragma once

#include "actions/ActionRegistry.h"

namespace ix::actions {

bool ExecProcRemovePixel(const ActionParams& p);      // 77
bool ExecProcRemoveNoise(const ActionParams& p);      // 78
bool ExecProcEncrypt(const ActionParams& p);          // 79
bool ExecProcDecrypt(const ActionParams& p);          // 80
bool ExecProcFlip(const ActionParams& p);             // 81
bool ExecProcReflection(const ActionParams& p);       // 82
bool ExecProcAddShadow(const ActionParams& p);        // 83
bool ExecCanvasEdgeDetect(const ActionParams& p);     // 85
bool ExecCanvasEdgePen(const ActionParams& p);        // 86
bool ExecCanvasGetNumColor(const ActionParams& p);    // 87
bool ExecCanvasConvertTo(const ActionParams& p);      // 88
bool ExecCanvasWriteHiddenText(const ActionParams& p); // 89
bool ExecCanvasReadHiddenText(const ActionParams& p); // 90
bool ExecCanvasResample(const ActionParams& p);       // 92

} // namespace ix::actions
