#include "editors/EditFormCombo.h"

namespace ix::editors {

TFormCombo::TFormCombo()
    : ParameterForm("TFormCombo", 524, 336, 202)
{
    auto& row1 = AddRow(42);
    AddObjectPicker(row1, "Kn1", AddTextField(row1, "LEdit1"));
    auto& row2 = AddRow(113);
    AddCaption(row2, "Label1", 5, false);
    AddList(row2, "ComboBox1", 5, 142, false);
    AddCaption(row2, "Label2", 185, false);
    AddSpin(row2, "SpinEdit1", 185, 101, 0, 20000, 100, 5, false);
    AddList(row2, "ComboBox2", 185, 142, false);
}

}  // namespace ix::editors
