#include "editors/EditorRegistry.h"

#include "editors/CanvasEditors.h"

namespace ix::editors {

std::span<const EditorRow> EditorRows() {
  static const std::vector<EditorRow> rows = [] {
    std::vector<EditorRow> all = CanvasEditorRows();
    return all;
  }();
  return rows;
}

}  // namespace ix::editors
