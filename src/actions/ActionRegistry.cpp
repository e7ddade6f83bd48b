#include "actions/ActionRegistry.h"

namespace ix::actions {

std::span<const ExecuteRow> ExecuteRows() {
  // One row per implemented action, e.g. {1, &ExecCanvasCreate}.
  static const std::vector<ExecuteRow> rows = {
  };
  return rows;
}

}  // namespace ix::actions
