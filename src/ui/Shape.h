// Shape: a rectangle, rounded rectangle or ellipse outlined with a pen and filled with a
// brush (a clear brush leaves the inside unpainted).
#pragma once

#include "ui/Control.h"

namespace ix::ui {

enum class ShapeKind { Rectangle, RoundRect, Ellipse };

class Shape : public Control {
public:
    explicit Shape(std::string name = {});
    const char* TypeName() const override { return "Shape"; }

    ShapeKind Kind() const { return kind_; }
    void SetKind(ShapeKind k) { kind_ = k; Invalidate(); }
    gfx::Color PenColor() const { return penColor_; }
    void SetPenColor(gfx::Color c) { penColor_ = c; Invalidate(); }
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int w) { penWidth_ = w < 0 ? 0 : w; Invalidate(); }
    bool BrushClear() const { return brushClear_; }
    void SetBrushClear(bool v) { brushClear_ = v; Invalidate(); }
    // The brush colour is the control's Color().

    void Paint(PaintContext& ctx) override;

private:
    ShapeKind kind_ = ShapeKind::Rectangle;
    gfx::Color penColor_ = gfx::colors::Black;
    int penWidth_ = 1;
    bool brushClear_ = false;
};

} // namespace ix::ui
