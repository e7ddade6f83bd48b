// GradientBox: a box filled with a two-colour gradient, horizontal or vertical.
// Its colours also serve as the source of the canvas's gradient brush.
#pragma once

#include "ui/Control.h"

namespace ix::ui {

enum class GradientDirection { Horizontal, Vertical };

class GradientBox : public Control {
public:
    explicit GradientBox(std::string name = {});
    const char* TypeName() const override { return "GradientBox"; }

    gfx::Color StartColor() const { return start_; }
    void SetStartColor(gfx::Color c) { start_ = c; Invalidate(); }
    gfx::Color EndColor() const { return end_; }
    void SetEndColor(gfx::Color c) { end_ = c; Invalidate(); }
    GradientDirection Direction() const { return direction_; }
    void SetDirection(GradientDirection d) { direction_ = d; Invalidate(); }

    void Paint(PaintContext& ctx) override;

private:
    gfx::Color start_ = gfx::colors::Yellow;
    gfx::Color end_ = gfx::colors::Fuchsia;
    GradientDirection direction_ = GradientDirection::Horizontal;
};

} // namespace ix::ui
