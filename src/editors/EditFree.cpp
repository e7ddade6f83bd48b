#include "editors/EditFree.h"

namespace ix::editors {

TFormFree::TFormFree()
    : ParameterForm("TFormFree", 524, 336, 202)
{
    auto& row1 = AddRow(8);
    AddObjectPicker(row1, "Kn1", AddTextField(row1, "LEdit1"));
    auto& row2 = AddRow(70);
    auto& edit2 = AddTextField(row2, "LEdit2");
    AddVariablePicker(row2, "SpeedButton2", edit2, 399, false);
    AddColorPicker(row2, "SpeedButton1", edit2, 367, false);
    auto& row3 = AddRow(132);
    auto& edit3 = AddTextField(row3, "LEdit3");
    AddVariablePicker(row3, "SpeedButton4", edit3, 399, false);
    AddColorPicker(row3, "SpeedButton9", edit3, 367, false);
    AddSubroutinePicker(row3, "SpeedButton5", edit3, 367, false);
}

}  // namespace ix::editors
