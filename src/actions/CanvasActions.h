// The execute functions of the canvas and view actions, ids 1 to 20.
#pragma once

#include "actions/ActionRegistry.h"

namespace ix::actions {

bool ExecCanvasCreate(const ActionParams& p);     // 1
bool ExecCanvasDelete(const ActionParams& p);     // 2
bool ExecCanvasCreateFile(const ActionParams& p); // 3
bool ExecCanvasCenter(const ActionParams& p);     // 4
bool ExecCanvasBackground(const ActionParams& p); // 5
bool ExecCanvasWallPaper(const ActionParams& p);  // 6
bool ExecCanvasHorizRuler(const ActionParams& p); // 7
bool ExecCanvasVertRuler(const ActionParams& p);  // 8
bool ExecCanvasVRulerFont(const ActionParams& p); // 9
bool ExecCanvasHRulerFont(const ActionParams& p); // 10
bool ExecCanvasGetZoom(const ActionParams& p);    // 11
bool ExecCanvasGrid(const ActionParams& p);       // 12
bool ExecCanvasSetZoom(const ActionParams& p);    // 13
bool ExecCanvasSetCursor(const ActionParams& p);  // 14
bool ExecCanvasLoadCursor(const ActionParams& p); // 15
bool ExecCanvasCoordinates(const ActionParams& p); // 16
bool ExecCanvasFit(const ActionParams& p);        // 17
bool ExecCanvasSetSize(const ActionParams& p);    // 18
bool ExecCanvasColorBack(const ActionParams& p);  // 19
bool ExecCanvasIsEmpty(const ActionParams& p);    // 20

} // namespace ix::actions
