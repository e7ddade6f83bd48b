// ComboBox: a pick-only drop-down list. Its text is always one of its items or empty:
// SetText selects the item equal to the text (exact bytes) or clears the selection.
#pragma once

#include "ui/Control.h"

#include <string>
#include <vector>

namespace ix::ui {

class ComboBox : public Control {
public:
    explicit ComboBox(std::string name = {});
    const char* TypeName() const override { return "ComboBox"; }

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    void AddItem(std::string item);
    void ClearItems();
    // -1: nothing selected. An index outside the items selects nothing.
    int ItemIndex() const { return index_; }
    void SetItemIndex(int index);
    // Index of the first item equal to `text`, or -1.
    int IndexOf(const std::string& text) const;

    std::string Text() const override;
    void SetText(std::string text) override;

    std::function<void(Control&)> onChange;

    void Paint(PaintContext& ctx) override;

private:
    std::vector<std::string> items_;
    int index_ = -1;
};

} // namespace ix::ui
