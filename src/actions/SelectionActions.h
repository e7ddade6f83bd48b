// The execute functions of the selection actions, ids 41 to 63: selecting with the
// mouse, reporting the selection, and the operations on the selected area.
#pragma once

#include "actions/ActionRegistry.h"

namespace ix::actions {

bool ExecSelectIntensity(const ActionParams& p);     // 41
bool ExecSelectMagicWand(const ActionParams& p);     // 42
bool ExecMagicWandTolerance(const ActionParams& p);  // 43
bool ExecSelectRectangle(const ActionParams& p);     // 44
bool ExecSelectLasso(const ActionParams& p);         // 45
bool ExecSelectEllips(const ActionParams& p);        // 46
bool ExecSelectPolygon(const ActionParams& p);       // 47
bool ExecCoordinateSelect(const ActionParams& p);    // 48
bool ExecSelectFloodFill(const ActionParams& p);     // 49
bool ExecSelectFillPicture(const ActionParams& p);   // 50
bool ExecSelectSetPicture(const ActionParams& p);    // 51
bool ExecSelectTransparent(const ActionParams& p);   // 52
bool ExecSelectGradTparent(const ActionParams& p);   // 53
bool ExecSelectFeather(const ActionParams& p);       // 54
bool ExecEffectsWindow(const ActionParams& p);       // 55
bool ExecSelectTrimming(const ActionParams& p);      // 56
bool ExecSelectCut(const ActionParams& p);           // 57
bool ExecSelectNegative(const ActionParams& p);      // 58
bool ExecSelectBlur(const ActionParams& p);          // 59
bool ExecSelectRedEyes(const ActionParams& p);       // 60
bool ExecCanvasSelectStyle(const ActionParams& p);   // 61
bool ExecSetRubberBandColor(const ActionParams& p);  // 62
bool ExecCanvasSelectCancel(const ActionParams& p);  // 63

} // namespace ix::actions
