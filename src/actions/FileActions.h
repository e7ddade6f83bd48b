// The file actions, ids 108 to 111: pictures and layer files between a canvas and disk.
//
// File names are the host's text, handed on unchanged (no trimming, quoting or added
// extension); relative names resolve against the process's current directory. A load
// recognises the format from the content, a save picks it from the name's extension.
//
// Results: a missing file on load and a file whose content no codec recognises change
// nothing and succeed (a script that must know tests for the file itself); a save to an
// extension no codec writes creates no file and succeeds. A file that cannot be read or
// created (a folder that does not exist, for one) and a malformed file of a known format
// fail, leaving the canvas as it was.
#pragma once

#include "actions/ActionRegistry.h"

namespace ix::actions {

bool ExecCanvasLoadFile(const ActionParams& p);      // 108: the file into the current layer
bool ExecLayersLoadFile(const ActionParams& p);      // 109: all layers from a layer file
bool ExecCanvasSaveFile(const ActionParams& p);      // 110: the current layer's picture
bool ExecSaveFileMergeLayers(const ActionParams& p); // 111: every layer composed into one

} // namespace ix::actions
