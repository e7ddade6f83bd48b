// Ruler: a horizontal or vertical scale with ticks and numeric labels.
//
// The ruler shows units: the unit value u lies at pixel (u - ViewPosition) * DotsPerUnit
// from the ruler's start (left or top). A tick is drawn at every multiple of
// TickFrequency and a longer tick with its number at every multiple of LabelFrequency.
// Ticks grow from the edge that faces the view (bottom of a horizontal ruler, right of a
// vertical one), or from the opposite edge when Inverted. The ruler colour is the
// control's Color(); ticks and labels use its font colour and height. Grips are optional
// markers at unit positions, drawn as triangles of half-base GripBase pixels and at most
// MaxGripHeight high. Frequencies or scales that are not positive finite numbers draw no
// ticks, and ticks closer than two pixels are left out, so painting is always bounded.
#pragma once

#include "ui/Control.h"

#include <string>
#include <vector>

namespace ix::ui {

enum class Orientation { Horizontal, Vertical };

class Ruler : public Control {
public:
    explicit Ruler(std::string name = {});
    const char* TypeName() const override { return "Ruler"; }

    Orientation Direction() const { return orientation_; }
    void SetDirection(Orientation o) { orientation_ = o; Invalidate(); }
    double DotsPerUnit() const { return dotsPerUnit_; }
    void SetDotsPerUnit(double v) { dotsPerUnit_ = v; Invalidate(); }
    double TickFrequency() const { return tickFrequency_; }
    void SetTickFrequency(double v) { tickFrequency_ = v; Invalidate(); }
    double LabelFrequency() const { return labelFrequency_; }
    void SetLabelFrequency(double v) { labelFrequency_ = v; Invalidate(); }
    double ViewPosition() const { return viewPosition_; }
    void SetViewPosition(double v) { viewPosition_ = v; Invalidate(); }
    bool Inverted() const { return inverted_; }
    void SetInverted(bool v) { inverted_ = v; Invalidate(); }
    int GripBase() const { return gripBase_; }
    void SetGripBase(int v) { gripBase_ = v; Invalidate(); }
    int MaxGripHeight() const { return maxGripHeight_; }
    void SetMaxGripHeight(int v) { maxGripHeight_ = v; Invalidate(); }
    const std::vector<double>& Grips() const { return grips_; }
    void SetGrips(std::vector<double> units) { grips_ = std::move(units); Invalidate(); }

    // Pixel offset along the ruler of a unit value (may lie outside the ruler).
    double PixelOf(double unit) const { return (unit - viewPosition_) * dotsPerUnit_; }
    // The number a label shows for a unit value: integers plainly, others with up to six
    // significant digits and a point.
    static std::string LabelText(double unit);

    void Paint(PaintContext& ctx) override;

private:
    Orientation orientation_ = Orientation::Horizontal;
    double dotsPerUnit_ = 1.0;
    double tickFrequency_ = 10.0;
    double labelFrequency_ = 100.0;
    double viewPosition_ = 0.0;
    bool inverted_ = false;
    int gripBase_ = 1;
    int maxGripHeight_ = 15;
    std::vector<double> grips_;
};

} // namespace ix::ui
