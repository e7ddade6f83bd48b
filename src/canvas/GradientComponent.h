// GradientComponent: the canvas's hidden gradient box, the source of the gradient brush.
//
// A control of the canvas window (so that it has a name, a size and a place among the
// components) around the image platform's GradientBox: it holds a begin and an end colour
// and one of the 25 gradient styles and renders its pattern at its own size whenever one
// of them changes. The gradient brush sizes it to its working square and stamps what it
// rendered. It is never shown.
#pragma once

#include "gfx/GradientBox.h"
#include "ui/Control.h"

namespace ix::canvas {

class GradientComponent final : public ui::Control {
public:
    explicit GradientComponent(std::string name = {});
    const char* TypeName() const override { return "Gradient"; }

    gfx::Color BeginColor() const { return box_.BeginColor(); }
    void SetBeginColor(gfx::Color c) { box_.SetBeginColor(c); }
    gfx::Color EndColor() const { return box_.EndColor(); }
    void SetEndColor(gfx::Color c) { box_.SetEndColor(c); }
    gfx::GradientStyle Style() const { return box_.Style(); }
    void SetStyle(gfx::GradientStyle style) { box_.SetStyle(style); }

    // The pattern rendered at the component's current size.
    const gfx::Picture& Rendered() const { return box_.Image(); }

protected:
    void BoundsChanged(const gfx::Rect& old) override;

private:
    gfx::GradientBox box_;
};

} // namespace ix::canvas
