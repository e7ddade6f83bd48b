#pragma once
// TFormFree: canvas field and two text fields, with hidden variable, colour and subroutine pickers.
#include "editors/ParameterForm.h"

namespace ix::editors {

class TFormFree : public ParameterForm {
public:
    TFormFree();
};

}  // namespace ix::editors
