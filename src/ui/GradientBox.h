// GradientBox: the control that shows a gradient of the image platform (gfx::GradientBox,
// any of its 25 styles) at the control's size. The canvas reads its colours, style and
// rendered picture as the source of the gradient brush. A size the platform refuses
// leaves the last rendered picture in place.
#pragma once

#include "gfx/GradientBox.h"
#include "ui/Control.h"

namespace ix::ui {

class GradientBox : public Control {
public:
    explicit GradientBox(std::string name = {});
    const char* TypeName() const override { return "GradientBox"; }

    gfx::Color BeginColor() const { return gradient_.BeginColor(); }
    void SetBeginColor(gfx::Color c);
    gfx::Color EndColor() const { return gradient_.EndColor(); }
    void SetEndColor(gfx::Color c);
    gfx::GradientStyle Style() const { return gradient_.Style(); }
    void SetStyle(gfx::GradientStyle s);
    const gfx::GradientBox& Gradient() const { return gradient_; }

    void Paint(PaintContext& ctx) override;

protected:
    void BoundsChanged(const gfx::Rect& old) override;

private:
    gfx::GradientBox gradient_;
};

} // namespace ix::ui
