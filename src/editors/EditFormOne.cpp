#include "editors/EditFormOne.h"

namespace ix::editors {

TFormOne::TFormOne()
    : ParameterForm("TFormOne", 524, 336, 202)
{
    auto& row = AddRow(42);
    auto& edit = AddTextField(row, "LEdit1");
    AddObjectPicker(row, "Kn1", edit);
    AddVariablePicker(row, "SpeedVariable", edit, 367, false);
}

}  // namespace ix::editors
