#pragma once
// TFormCombo: canvas field and a row with a list and, at x 185, a caption with a number or a second list in the same place (all hidden at first).
#include "editors/ParameterForm.h"

namespace ix::editors {

class TFormCombo : public ParameterForm {
public:
    TFormCombo();
};

}  // namespace ix::editors
