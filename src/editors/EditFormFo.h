#pragma once
// TFormFo: canvas field and four variable fields, each with its visible variable picker.
#include "editors/ParameterForm.h"

namespace ix::editors {

class TFormFo : public ParameterForm {
public:
    TFormFo();
};

}  // namespace ix::editors
