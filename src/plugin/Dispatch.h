#pragma once
// Routing of the host's action calls to the execute functions and editors by action id.
// Each of the 111 rows holds the parameter count from the catalogue and whatever execute
// function and editor the action and editor registries provide; a row without the wanted
// function answers False like an id out of range.

#include <array>
#include <cstdint>
#include <span>

#include "actions/ActionRegistry.h"
#include "boundary/Catalogue.h"
#include "editors/EditorRegistry.h"

namespace ix::plugin {

struct DispatchRow {
  int parameterCount = 0;
  actions::ExecuteFunction execute = nullptr;
  editors::EditorFunction edit = nullptr;
};

class DispatchTable {
 public:
  // Rows outside 1..111 or for ids the catalogue lacks are ignored; of two rows for one id
  // the first counts.
  DispatchTable(const std::vector<boundary::CatalogueRow>& catalogue,
                std::span<const actions::ExecuteRow> executeRows,
                std::span<const editors::EditorRow> editorRows);

  // The table of the plug-in itself, built once.
  static const DispatchTable& Instance();

  // Ids are taken unsigned: 0 and everything above 111, negative ids included, answer
  // False without touching `params`. Otherwise exactly parameterCount elements are read.
  bool Execute(std::int32_t id, char** params) const;
  bool Edit(std::int32_t id, char** params) const;

  const DispatchRow* row(std::int32_t id) const;

 private:
  std::array<DispatchRow, boundary::kActionCount + 1> rows_{};
};

}  // namespace ix::plugin
