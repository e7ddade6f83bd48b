#pragma once
// The picker buttons of the parameter dialogs: each fills one text field from the host or
// from a system dialog.
//
// Object and variable pickers send the field's text to the host's InterfaceAccess and take
// the answer only when the host says True; without a registered InterfaceAccess they do
// nothing. The subroutine list only shows what the host answers and never changes the
// field. Colour and file pickers take the system dialog's answer when confirmed and bring
// the dialog form back to the top in every case. Nothing is validated.
#include "ui/Form.h"
#include "ui/LabeledEdit.h"

#include <span>
#include <string>
#include <string_view>

namespace ix::editors {

void PickObject(ui::LabeledEdit& field);
void PickVariable(ui::LabeledEdit& field);
void ShowSubroutineList(ui::LabeledEdit& field);
void PickColor(ui::Form& form, ui::LabeledEdit& field);
void PickOpenPicture(ui::Form& form, ui::LabeledEdit& field, const std::string& filter);
void PickSavePicture(ui::Form& form, ui::LabeledEdit& field);

// The save filter list shared with the run-time save dialog, and the extension each filter
// index (1-based) appends; an index outside the list appends nothing.
const std::string& SaveFilter();
std::string_view SaveExtension(int filterIndex);

// Colour text of the readings: "r,g,b" in decimal without blanks.
std::string ColorText(gfx::Color c);

}  // namespace ix::editors
