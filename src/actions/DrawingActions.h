// The execute functions of the drawing tool actions, ids 21 to 40.
#pragma once

#include "actions/ActionRegistry.h"

namespace ix::actions {

bool ExecCanvasPen(const ActionParams& p);          // 21
bool ExecCanvasBrush(const ActionParams& p);        // 22
bool ExecCanvasPixel(const ActionParams& p);        // 23
bool ExecCanvasPipette(const ActionParams& p);      // 24
bool ExecCanvasLine(const ActionParams& p);         // 25
bool ExecCanvasRectangle(const ActionParams& p);    // 26
bool ExecCanvasEllipse(const ActionParams& p);      // 27
bool ExecCanvasFloodFill(const ActionParams& p);    // 28
bool ExecCanvasAirbrush(const ActionParams& p);     // 29
bool ExecCanvasBrushSmear(const ActionParams& p);   // 30
bool ExecCanvasBrushFlow(const ActionParams& p);    // 31
bool ExecCanvasBrushSleek(const ActionParams& p);   // 32
bool ExecCanvasBrushEye(const ActionParams& p);     // 33
bool ExecCanvasBrushGlow(const ActionParams& p);    // 34
bool ExecCanvasBrushDark(const ActionParams& p);    // 35
bool ExecCanvasBrushSate(const ActionParams& p);    // 36
bool ExecCanvasBrushGR(const ActionParams& p);      // 37
bool ExecCanvasBrushTParent(const ActionParams& p); // 38
bool ExecCanvasToolsCancel(const ActionParams& p);  // 39
bool ExecCanvasEraser(const ActionParams& p);       // 40

} // namespace ix::actions
