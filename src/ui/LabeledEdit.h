// LabeledEdit: a one-line text field with its bound caption label.
//
// The label is a sibling Label (EditLabel) created when the edit is added to a parent; it
// sits just above the edit, moves, hides and shows with it and dies with it. Text is the
// field's content; SetText acts as typing, so it is cut to MaxLength when one is set.
#pragma once

#include "ui/Control.h"

namespace ix::ui {

class Label;

class LabeledEdit : public Control {
public:
    static constexpr int kLabelSpacing = 3;

    explicit LabeledEdit(std::string name = {});
    ~LabeledEdit() override;
    const char* TypeName() const override { return "LabeledEdit"; }

    std::string Text() const override { return text_; }
    void SetText(std::string text) override;
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n) { maxLength_ = n < 0 ? 0 : n; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }

    // The bound caption label; null before the edit has a parent.
    Label* EditLabel() const { return label_; }
    // Shortcut for EditLabel()->SetCaption / Caption.
    void SetLabelCaption(std::string caption);
    std::string LabelCaption() const;

    void Paint(PaintContext& ctx) override;

protected:
    void Attached() override;
    void BoundsChanged(const gfx::Rect& old) override;
    void VisibilityChanged() override;
    void EnabledChanged() override;

private:
    void PlaceLabel();

    std::string text_;
    int maxLength_ = 0;
    bool readOnly_ = false;
    Label* label_ = nullptr;
    std::weak_ptr<const int> labelLife_;
};

} // namespace ix::ui
