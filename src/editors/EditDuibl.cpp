#include "editors/EditDuibl.h"

namespace ix::editors {

TDublForm::TDublForm()
    : ParameterForm("TDublForm", 524, 336, 202)
{
    // The cursor pattern has no dot: it is the resource filter hosts have always seen.
    openFilter = "Cursor (*cur)|*cur";
    auto& row1 = AddRow(42);
    AddObjectPicker(row1, "Kn1", AddTextField(row1, "LEdit1"));
    auto& row2 = AddRow(113);
    auto& edit2 = AddTextField(row2, "LEdit2");
    AddVariablePicker(row2, "SpeedButton2", edit2, 399, false);
    AddColorPicker(row2, "SpeedButton1", edit2, 367, false);
    AddOpenPicturePicker(row2, "SpeedButton3", edit2, 367, false);
    AddSavePicturePicker(row2, "SpeedButton4", edit2, 367, false);
}

}  // namespace ix::editors
