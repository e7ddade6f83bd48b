#include "editors/EditFormFo.h"

namespace ix::editors {

TFormFo::TFormFo() : ParameterForm("TFormFo", 524, 382, 248)
{
    auto& row1 = AddRow(8);
    AddObjectPicker(row1, "Kn1", AddTextField(row1, "LEdit1"));
    const char* const pickers[] = {"SpeedButton2", "SpeedButton4", "SpeedButton6", "SpeedButton9"};
    for (int i = 0; i < 4; ++i) {
        auto& row = AddRow(56 + 48 * i);
        auto& edit = AddTextField(row, "LEdit" + std::to_string(i + 2));
        AddVariablePicker(row, pickers[i], edit, 399, true);
    }
}

}  // namespace ix::editors
