#pragma once
// Editors of the drawing tool and selection actions built on the canvas dialogs: pen,
// brush, pixel, pipette, line, flood fill, the artistic brushes, eraser, and the selection
// settings with numbers, colours or picture files.
#include "editors/EditorRegistry.h"

#include <vector>

namespace ix::editors {

std::vector<EditorRow> ToolEditorRows();

}  // namespace ix::editors
