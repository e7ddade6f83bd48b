#include "editors/EditViborBox.h"

namespace ix::editors {

TForm10::TForm10()
    : ParameterForm("TForm10", 524, 336, 202)
{
    openFilter = "All (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|JPEG Image File (*.jpg)|*.jpg|"
                 "JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp";
    auto& row1 = AddRow(8);
    AddObjectPicker(row1, "Kn1", AddTextField(row1, "LEdit1"));
    auto& row2 = AddRow(70);
    auto& edit2 = AddTextField(row2, "LEdit2");
    AddVariablePicker(row2, "SpeedButton2", edit2, 399, false);
    AddColorPicker(row2, "SpeedButton1", edit2, 367, false);
    AddOpenPicturePicker(row2, "SpeedButton4", edit2, 367, false);
    auto& row3 = AddRow(132);
    AddCaption(row3, "Label1", 5);
    AddList(row3, "ComboBox1", 5, 164);
    AddCaption(row3, "Label2", 230, false);
    AddSpin(row3, "se2", 230, 101, 1, 99, 2, 2, false);
}

}  // namespace ix::editors
