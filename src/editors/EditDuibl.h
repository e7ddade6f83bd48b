#pragma once
// TDublForm: canvas field and one text field served, as the editor chooses, by a variable, colour, open-picture or save-picture picker (all hidden at first). The open-picture filter starts as the cursor filter.
#include "editors/ParameterForm.h"

namespace ix::editors {

class TDublForm : public ParameterForm {
public:
    TDublForm();
};

}  // namespace ix::editors
