#pragma once
// The design-time editors as the dispatcher sees them: one row per action id that has an
// editor. An action without a row answers False, as an unknown id.
//
// An editor gets the host's parameter array itself, exactly as many elements as the
// catalogue row declares, so that on OK it can replace each with SetHostString; it returns
// True when the author confirmed and the parameters were replaced, False otherwise.

#include <cstdint>
#include <span>
#include <vector>

namespace ix::editors {

using EditorParams = std::span<char*>;
using EditorFunction = bool (*)(EditorParams params);

struct EditorRow {
  std::int32_t id;
  EditorFunction edit;
};

std::span<const EditorRow> EditorRows();

}  // namespace ix::editors
