#include "editors/EditorRegistry.h"

#include "editors/CanvasEditors.h"
#include "editors/ToolEditors.h"

namespace ix::editors {

std::span<const EditorRow> EditorRows() {
  static const std::vector<EditorRow> rows = [] {
    std::vector<EditorRow> all = CanvasEditorRows();
    for (const EditorRow& row : ToolEditorRows()) all.push_back(row);
    return all;
  }();
  return rows;
}

}  // namespace ix::editors
