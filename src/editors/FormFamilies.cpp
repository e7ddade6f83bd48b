#include "editors/FormFamilies.h"

#include "editors/EditDuibl.h"
#include "editors/EditFormCombo.h"
#include "editors/EditViborBox.h"
#include "editors/EditorSession.h"

namespace ix::editors {

// A canvas and one True/False style list in TFormCombo.
bool EditCanvasList(EditorParams params, std::int32_t id, std::string_view labelKey, std::string_view label,
                    const std::vector<std::string_view>& items, std::string_view key, std::string_view description)
{
    return RunDialog<TFormCombo>(params, [&](EditorSession& s) {
        s.CanvasField();
        s.ListField("ComboBox1", "Label1", labelKey, label, items);
        return s.Run(id, key, description);
    });
}

// A canvas, a text field with pickers and a list in TForm10.
bool EditBox(EditorParams params, const BoxEntry& e)
{
    return RunDialog<TForm10>(params, [&](EditorSession& s) {
        s.CanvasField();
        s.TextField("LEdit2", e.editKey, e.editCaption);
        s.Show("SpeedButton2");
        s.Show(e.colour ? "SpeedButton1" : "SpeedButton4");
        s.ListField("ComboBox1", "Label1", e.listKey, e.listCaption, *e.items);
        return s.Run(e.id, e.key, e.description);
    });
}

// A canvas and one text field in TDublForm, with the variable picker and optionally one
// more picker.
bool EditDubl(EditorParams params, std::int32_t id, bool canvasColon, std::string_view editKey,
              std::string_view editCaption, std::string_view extraPicker, std::string_view key,
              std::string_view description, std::string_view openFilter)
{
    return RunDialog<TDublForm>(params, [&](EditorSession& s) {
        s.CanvasField(canvasColon);
        s.TextField("LEdit2", editKey, editCaption);
        s.Show("SpeedButton2");
        if (!extraPicker.empty()) s.Show(extraPicker);
        if (!openFilter.empty()) s.SetOpenFilter(openFilter);
        return s.Run(id, key, description);
    });
}

}  // namespace ix::editors
