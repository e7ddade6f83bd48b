#include "editors/EditViborPlus.h"

namespace ix::editors {

TFormPlus::TFormPlus()
    : ParameterForm("TFormPlus", 524, 336, 202)
{
    auto& row1 = AddRow(8);
    AddObjectPicker(row1, "Kn1", AddTextField(row1, "LEdit1"));
    auto& row2 = AddRow(56);
    auto& edit2 = AddTextField(row2, "LEdit2");
    AddVariablePicker(row2, "SpeedButton2", edit2, 399, false);
    AddColorPicker(row2, "SpeedButton1", edit2, 367, false);
    auto& row3 = AddRow(104);
    AddCaption(row3, "Label1", 5);
    AddList(row3, "ComboBox1", 5, 164);
    AddCaption(row3, "Label2", 230, false);
    AddSpin(row3, "se2", 230, 101, 1, 99, 2, 2, false);
    auto& row4 = AddRow(152);
    auto& edit3 = AddTextField(row4, "LEdit3");
    AddVariablePicker(row4, "SpeedButton4", edit3, 399, false);
    AddSubroutinePicker(row4, "SpeedButton6", edit3, 367, false);
}

}  // namespace ix::editors
