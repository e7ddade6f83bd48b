#include "plugin/Dispatch.h"

#include "boundary/HostString.h"

namespace ix::plugin {

DispatchTable::DispatchTable(const std::vector<boundary::CatalogueRow>& catalogue,
                             std::span<const actions::ExecuteRow> executeRows,
                             std::span<const editors::EditorRow> editorRows) {
  std::array<bool, boundary::kActionCount + 1> known{};
  for (const boundary::CatalogueRow& entry : catalogue) {
    if (entry.id < 1 || entry.id > boundary::kActionCount) continue;
    rows_[static_cast<std::size_t>(entry.id)].parameterCount = entry.parameterCount();
    known[static_cast<std::size_t>(entry.id)] = true;
  }
  for (const actions::ExecuteRow& entry : executeRows) {
    if (entry.id < 1 || entry.id > boundary::kActionCount || !known[static_cast<std::size_t>(entry.id)]) continue;
    DispatchRow& target = rows_[static_cast<std::size_t>(entry.id)];
    if (!target.execute) target.execute = entry.execute;
  }
  for (const editors::EditorRow& entry : editorRows) {
    if (entry.id < 1 || entry.id > boundary::kActionCount || !known[static_cast<std::size_t>(entry.id)]) continue;
    DispatchRow& target = rows_[static_cast<std::size_t>(entry.id)];
    if (!target.edit) target.edit = entry.edit;
  }
}

const DispatchTable& DispatchTable::Instance() {
  static const DispatchTable table(boundary::CatalogueRows(), actions::ExecuteRows(), editors::EditorRows());
  return table;
}

const DispatchRow* DispatchTable::row(std::int32_t id) const {
  const auto index = static_cast<std::uint32_t>(id);
  if (index == 0 || index > static_cast<std::uint32_t>(boundary::kActionCount)) return nullptr;
  return &rows_[index];
}

bool DispatchTable::Execute(std::int32_t id, char** params) const {
  const DispatchRow* target = row(id);
  if (!target || !target->execute) return false;
  actions::ActionParams copies;
  copies.reserve(static_cast<std::size_t>(target->parameterCount));
  for (int i = 0; i < target->parameterCount; ++i) {
    copies.push_back(params ? boundary::HostStringText(params[i]) : std::string());
  }
  return target->execute(copies);
}

bool DispatchTable::Edit(std::int32_t id, char** params) const {
  const DispatchRow* target = row(id);
  // Without the host's array there is nothing an editor could write back.
  if (!target || !target->edit || !params) return false;
  return target->edit(editors::EditorParams(params, static_cast<std::size_t>(target->parameterCount)));
}

}  // namespace ix::plugin
