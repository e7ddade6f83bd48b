// SpinEdit: an integer field with up and down arrows.
//
// Value() reads the text: a decimal integer (optional sign, digits only, fitting 32 bits)
// brought into [MinValue, MaxValue]; any other text reads as MinValue. SetValue brings its
// argument into the range and writes it as text. SetText acts as typing: it keeps at most
// MaxLength characters (0: no limit) and does not check the range; Commit (the field losing
// the input focus) rewrites an out-of-range integer as the nearest bound. A range whose
// maximum lies below its minimum counts as the single value MinValue. Pressing the upper
// half of the arrow area steps up by one, the lower half down.
#pragma once

#include "ui/Control.h"

#include <optional>
#include <string>

namespace ix::ui {

class SpinEdit : public Control {
public:
    explicit SpinEdit(std::string name = {});
    const char* TypeName() const override { return "SpinEdit"; }

    int MinValue() const { return min_; }
    int MaxValue() const { return max_; }
    void SetMinValue(int v);
    void SetMaxValue(int v);
    void SetRange(int min, int max);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n) { maxLength_ = n < 0 ? 0 : n; }

    int Value() const;
    void SetValue(int v);
    int Clamp(long long v) const;
    void Commit();

    std::string Text() const override { return text_; }
    void SetText(std::string text) override;

    // The strict integer reading the field uses; nothing for any other text.
    static std::optional<int> ParseInteger(const std::string& text);

    void HandleMouseDown(const MouseEvent& e) override;
    void Paint(PaintContext& ctx) override;

private:
    std::string text_ = "0";
    int min_ = 0;
    int max_ = 0;
    int maxLength_ = 0;
};

} // namespace ix::ui
