// GradientComponent: the canvas's hidden gradient box, the source of the gradient brush.
//
// It holds a begin and an end colour and one of the 25 gradient styles, and renders its
// pattern at its own size; the gradient brush sizes it to its working square and stamps
// what it renders. It is never shown.
#pragma once

#include "gfx/Picture.h"
#include "ui/Control.h"

namespace ix::canvas {

class GradientComponent final : public ui::Control {
public:
    explicit GradientComponent(std::string name = {});
    const char* TypeName() const override { return "Gradient"; }

    gfx::Color BeginColor() const { return begin_; }
    void SetBeginColor(gfx::Color c) { begin_ = c; }
    gfx::Color EndColor() const { return end_; }
    void SetEndColor(gfx::Color c) { end_ = c; }
    // 0 to 24 in the order of the style names; other numbers are refused.
    int Style() const { return style_; }
    void SetStyle(int style);

    // The pattern at the component's current size.
    gfx::Picture Rendered() const;

private:
    gfx::Color begin_ = gfx::colors::Yellow;
    gfx::Color end_ = gfx::colors::Fuchsia;
    int style_ = 0;
};

} // namespace ix::canvas
