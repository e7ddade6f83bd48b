#include "plugin/Registration.h"

#include <cstdint>
#include <string>

#include "boundary/Catalogue.h"
#include "boundary/Localization.h"

namespace ix::plugin {

void RegisterCatalogue(IxAddActionProc addAction) {
  if (!addAction) return;
  // A category row still passes a one-element type array (highest index 0).
  static const std::uint8_t kCategoryTypes[1] = {0};
  for (const boundary::CatalogueRow& row : boundary::CatalogueRows()) {
    if (row.isCategory()) {
      addAction(0, row.name.c_str(), "", IX_HOSTCALL_TAIL3(kCategoryTypes, 0, 0));
      continue;
    }
    const std::string hint = boundary::LocalizedText(row.hintKey, row.defaultHint);
    const std::int32_t count = row.parameterCount();
    addAction(row.id, row.name.c_str(), hint.c_str(), IX_HOSTCALL_TAIL3(row.types.data(), count - 1, count));
  }
}

}  // namespace ix::plugin
