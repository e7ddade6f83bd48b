#pragma once
// TFormPlus: the ruler dialog: canvas field, a colour or variable field, a list with a hidden number beside it, and a field for a subroutine or variable; the pickers beside the fields start hidden.
#include "editors/ParameterForm.h"

namespace ix::editors {

class TFormPlus : public ParameterForm {
public:
    TFormPlus();
};

}  // namespace ix::editors
