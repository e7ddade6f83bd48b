#pragma once
// TForm10: canvas field, a colour, variable or picture-file field, and a list with a hidden number beside it; the open-picture picker starts with the wallpaper filter.
#include "editors/ParameterForm.h"

namespace ix::editors {

class TForm10 : public ParameterForm {
public:
    TForm10();
};

}  // namespace ix::editors
