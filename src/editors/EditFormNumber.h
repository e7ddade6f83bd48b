#pragma once
// TFormNumber: canvas field and a row of up to three numbers (the second and third hidden at first). Its bottom panel and buttons are named pnl3, btnOK and btnCancel.
#include "editors/ParameterForm.h"

namespace ix::editors {

class TFormNumber : public ParameterForm {
public:
    TFormNumber();
};

}  // namespace ix::editors
