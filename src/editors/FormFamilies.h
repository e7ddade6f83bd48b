#pragma once
// Editors shaped alike in several action families: a canvas with one list (TFormCombo), a
// canvas with a text field and a list (TForm10), a canvas with one text field (TDublForm).
#include "editors/EditorRegistry.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace ix::editors {

bool EditCanvasList(EditorParams params, std::int32_t id, std::string_view labelKey, std::string_view label,
                    const std::vector<std::string_view>& items, std::string_view key, std::string_view description);

struct BoxEntry {
    std::int32_t id;
    std::string_view editKey, editCaption;
    bool colour;  // colour picker, else open-picture picker
    std::string_view listKey, listCaption;
    const std::vector<std::string_view>* items;
    std::string_view key, description;
};
bool EditBox(EditorParams params, const BoxEntry& entry);

// The variable picker is always shown; `extraPicker` (may be empty) names one more. A
// non-empty `openFilter` replaces the open-picture filter.
bool EditDubl(EditorParams params, std::int32_t id, bool canvasColon, std::string_view editKey,
              std::string_view editCaption, std::string_view extraPicker, std::string_view key,
              std::string_view description, std::string_view openFilter = {});

}  // namespace ix::editors
