// Button and SpeedButton: pressable controls.
//
// A Button may carry a modal result: pressing it (a click, or a driver pressing it) sets
// that result on its form, which ends a modal run, before onClick runs. Its default and
// cancel flags make it the button that Enter or Esc presses. A SpeedButton is a flat
// button with a small picture and no focus; it never closes its form by itself.
#pragma once

#include "gfx/Picture.h"
#include "ui/Control.h"

namespace ix::ui {

class Button : public Control {
public:
    explicit Button(std::string name = {});
    const char* TypeName() const override { return "Button"; }

    bool IsDefault() const { return default_; }
    void SetDefault(bool v) { default_ = v; }
    bool IsCancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    ModalResult ModalResultValue() const { return result_; }
    void SetModalResultValue(ModalResult r) { result_ = r; }

    void HandleClick() override;
    void Paint(PaintContext& ctx) override;

private:
    bool default_ = false;
    bool cancel_ = false;
    ModalResult result_ = ModalResult::None;
};

class SpeedButton : public Control {
public:
    explicit SpeedButton(std::string name = {});
    const char* TypeName() const override { return "SpeedButton"; }

    const gfx::Picture& Glyph() const { return glyph_; }
    void SetGlyph(gfx::Picture p) { glyph_ = std::move(p); Invalidate(); }
    bool Flat() const { return flat_; }
    void SetFlat(bool v) { flat_ = v; Invalidate(); }

    void Paint(PaintContext& ctx) override;

private:
    gfx::Picture glyph_;
    bool flat_ = true;
};

} // namespace ix::ui
