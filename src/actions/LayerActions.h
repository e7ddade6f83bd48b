// The execute functions of the layer actions, ids 96 to 107: adding, removing, ordering,
// showing, merging and blending the layers of a canvas picture, and handing layer moving,
// resizing and rotating to the mouse.
#pragma once

#include "actions/ActionRegistry.h"

namespace ix::actions {

bool ExecLayersAdd(const ActionParams& p);         // 96
bool ExecLayersDelete(const ActionParams& p);      // 97
bool ExecLayersPriority(const ActionParams& p);    // 98
bool ExecLayersMove(const ActionParams& p);        // 99
bool ExecLayersRotate(const ActionParams& p);      // 100
bool ExecLayersVisible(const ActionParams& p);     // 101
bool ExecLayersMergeAll(const ActionParams& p);    // 102
bool ExecLayersGetCount(const ActionParams& p);    // 103
bool ExecLayersCurrent(const ActionParams& p);     // 104
bool ExecLayersMerge(const ActionParams& p);       // 105
bool ExecLayersEffect(const ActionParams& p);      // 106
bool ExecLayersTransparent(const ActionParams& p); // 107

} // namespace ix::actions
