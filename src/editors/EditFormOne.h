#pragma once
// TFormOne: the dialog of single-field actions: one text field (LEdit1) with the object picker Kn1 and the hidden variable picker SpeedVariable.
#include "editors/ParameterForm.h"

namespace ix::editors {

class TFormOne : public ParameterForm {
public:
    TFormOne();
};

}  // namespace ix::editors
