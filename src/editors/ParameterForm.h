#pragma once
// ParameterForm: the common frame of the design-time parameter dialogs.
//
// Every dialog class derives from it and adds its field rows with the helpers below. The
// frame holds the decorative left strip and the bottom panel: the action-name band
// (GradientLabel with LabelCommand on it), the description box (LabelInfo), the maker's
// link, and the OK and Cancel buttons that end the modal run. A form knows nothing about
// actions; the editors decide what the rows show.
//
// Controls are found by their component names (LEdit1, ComboBox1, SpinEdit1, Kn1, ...);
// the typed lookups throw std::logic_error for a name the class does not have, which is a
// programming error of an editor and ends the edit as a failed one.
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/LabeledEdit.h"
#include "ui/Panel.h"
#include "ui/SpinEdit.h"

#include <string>
#include <string_view>

namespace ix::ui {
class Button;
class SpeedButton;
}

namespace ix::editors {

// Names of the bottom panel and its two buttons; most classes use the first set.
struct FrameNames {
    std::string_view panel = "pnl1";
    std::string_view ok = "ButtonOK50";
    std::string_view cancel = "ButtonCancel50";
};
inline constexpr FrameNames kNumberFrameNames{"pnl3", "btnOK", "btnCancel"};

inline constexpr int kRowLeft = 91;
inline constexpr int kRowWidth = 430;
inline constexpr int kRowHeight = 46;
inline constexpr int kBottomHeight = 134;

class ParameterForm : public ui::Form {
public:
    // A form of the given class and client size; the bottom panel goes to `bottomTop`
    // (below the rows), the left strip takes the client height less 16.
    ParameterForm(std::string className, int width, int height, int bottomTop, FrameNames names = {});

    ui::LabeledEdit& Edit(std::string_view name);
    ui::ComboBox& Combo(std::string_view name);
    ui::SpinEdit& Spin(std::string_view name);
    ui::Label& Caption(std::string_view name);
    ui::Control& Named(std::string_view name);

    // The filter the open-picture picker shows; classes set their resource filter,
    // editors may replace it.
    std::string openFilter;

protected:
    // A borderless field row at (x, y) of the form with its decorative caption band.
    ui::Panel& AddRow(int y, int height = kRowHeight, int x = kRowLeft, int width = kRowWidth);
    // A labelled edit at (5, 20) of the row, 325 wide unless told.
    ui::LabeledEdit& AddTextField(ui::Panel& row, std::string name, int width = 325, int x = 5);
    ui::Label& AddCaption(ui::Panel& row, std::string name, int x, bool visible = true);
    ui::ComboBox& AddList(ui::Panel& row, std::string name, int x, int width, bool visible = true);
    ui::SpinEdit& AddSpin(ui::Panel& row, std::string name, int x, int width, int min, int max, int value,
                          int maxLength, bool visible = true);
    ui::SpeedButton& AddButton(ui::Panel& row, std::string name, int x, bool visible);

    // The pickers wired to a button: each acts on `field` of this form.
    void AddObjectPicker(ui::Panel& row, std::string name, ui::LabeledEdit& field, int x = 399, bool visible = true);
    void AddVariablePicker(ui::Panel& row, std::string name, ui::LabeledEdit& field, int x, bool visible);
    void AddSubroutinePicker(ui::Panel& row, std::string name, ui::LabeledEdit& field, int x, bool visible);
    void AddColorPicker(ui::Panel& row, std::string name, ui::LabeledEdit& field, int x, bool visible);
    void AddOpenPicturePicker(ui::Panel& row, std::string name, ui::LabeledEdit& field, int x, bool visible);
    void AddSavePicturePicker(ui::Panel& row, std::string name, ui::LabeledEdit& field, int x, bool visible);

private:
    void BuildStrip(int height);
    void BuildBottom(int top, FrameNames names);
    int rowCount_ = 0;
};

}  // namespace ix::editors
