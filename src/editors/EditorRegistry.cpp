#include "editors/EditorRegistry.h"

namespace ix::editors {

std::span<const EditorRow> EditorRows() {
  // One row per implemented editor, e.g. {1, &EditCanvasCreate}.
  static const std::vector<EditorRow> rows = {
  };
  return rows;
}

}  // namespace ix::editors
