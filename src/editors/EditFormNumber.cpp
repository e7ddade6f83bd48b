#include "editors/EditFormNumber.h"

namespace ix::editors {

TFormNumber::TFormNumber()
    : ParameterForm("TFormNumber", 524, 336, 202, kNumberFrameNames)
{
    auto& row1 = AddRow(42);
    AddObjectPicker(row1, "Kn1", AddTextField(row1, "LEdit1"));
    auto& row2 = AddRow(113, 50);
    AddCaption(row2, "Label1", 5);
    AddSpin(row2, "SpinEdit1", 5, 101, 1, 99, 2, 2);
    AddCaption(row2, "Label2", 155, false);
    AddSpin(row2, "SpinEdit2", 155, 101, 1, 99, 2, 2, false);
    AddCaption(row2, "Label3", 313, false);
    AddSpin(row2, "SpinEdit3", 313, 101, 1, 99, 2, 2, false);
}

}  // namespace ix::editors
