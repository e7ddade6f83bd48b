#pragma once
// Editors of the canvas and view actions (ids 1 to 20) and of the actions whose only
// parameter is the canvas.
#include "editors/EditorRegistry.h"

#include <vector>

namespace ix::editors {

// One row per editor of this family.
std::vector<EditorRow> CanvasEditorRows();

}  // namespace ix::editors
