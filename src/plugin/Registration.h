#pragma once
// Hands the whole catalogue to the host, one AddActionProc call per row in table order:
// a category row as (0, caption, "", [0], 0), an action with its localized hint.

#include <ixcanvas/plugin.h>

namespace ix::plugin {

void RegisterCatalogue(IxAddActionProc addAction);

}  // namespace ix::plugin
