// Panel: a plain container filled with its colour, optionally with a raised or lowered
// one-pixel bevel. Its caption, if any, is drawn centred.
#pragma once

#include "ui/Control.h"

namespace ix::ui {

enum class Bevel { None, Raised, Lowered };

class Panel : public Control {
public:
    explicit Panel(std::string name = {});
    const char* TypeName() const override { return "Panel"; }
    Bevel BevelOuter() const { return bevel_; }
    void SetBevelOuter(Bevel b) { bevel_ = b; Invalidate(); }
    void Paint(PaintContext& ctx) override;

private:
    Bevel bevel_ = Bevel::Raised;
};

} // namespace ix::ui
