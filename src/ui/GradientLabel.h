// GradientLabel: a rounded rectangle with a horizontal gradient and a one-pixel border,
// used as the coloured band behind a dialog's action name. Its caption, if any, is drawn
// at the left, vertically centred, in the control's font.
#pragma once

#include "ui/Control.h"

namespace ix::ui {

class GradientLabel : public Control {
public:
    explicit GradientLabel(std::string name = {});
    const char* TypeName() const override { return "GradientLabel"; }

    gfx::Color StartColor() const { return start_; }
    void SetStartColor(gfx::Color c) { start_ = c; Invalidate(); }
    gfx::Color EndColor() const { return end_; }
    void SetEndColor(gfx::Color c) { end_ = c; Invalidate(); }
    gfx::Color BorderColor() const { return border_; }
    void SetBorderColor(gfx::Color c) { border_ = c; Invalidate(); }
    int Radius() const { return radius_; }
    void SetRadius(int r) { radius_ = r < 0 ? 0 : r; Invalidate(); }

    void Paint(PaintContext& ctx) override;

private:
    gfx::Color start_ = gfx::Color::FromRgb(128, 0, 64);
    gfx::Color end_ = gfx::Color::FromRgb(255, 160, 200);
    gfx::Color border_ = kButtonFace;
    int radius_ = 6;
};

} // namespace ix::ui
