#include "editors/ParameterForm.h"

#include "editors/Pickers.h"
#include "ui/Button.h"
#include "ui/GradientLabel.h"
#include "ui/Image.h"
#include "ui/LinkLabel.h"
#include "ui/Shape.h"

#include <stdexcept>

namespace ix::editors {
namespace {

constexpr gfx::Color kInfoFill = gfx::Color::FromRgb(255, 255, 225);
constexpr gfx::Color kInfoText = gfx::Color::FromRgb(128, 0, 64);
constexpr gfx::Color kLineGrey = gfx::Color::FromRgb(160, 160, 160);
constexpr std::string_view kMakerUrl = "https://ixcanvas.example.org";

ui::Font Arial(int height, gfx::Color color = gfx::colors::Black)
{
    ui::Font f;
    f.name = "Arial";
    f.height = height;
    f.color = color;
    return f;
}

template <class T> T& Typed(ui::Form& form, std::string_view name)
{
    T* control = form.FindAs<T>(name);
    if (control == nullptr) throw std::logic_error("dialog has no control " + std::string(name));
    return *control;
}

void AddLine(ui::Control& parent, int left, int top, int width, int height)
{
    auto& line = parent.Add<ui::Shape>({});
    line.SetBounds(left, top, width, height);
    line.SetColor(kLineGrey);
    line.SetPenColor(kLineGrey);
    line.SetPenWidth(0);
}

}  // namespace

ParameterForm::ParameterForm(std::string className, int width, int height, int bottomTop, FrameNames names)
    : ui::Form(className, className)
{
    SetBorder(ui::BorderStyle::Dialog);
    SetPlacement(ui::FormPosition::ScreenCenter);
    SetColor(ui::kButtonFace);
    SetCaption("Action Properties");
    SetClientSize({width, height});
    BuildStrip(height);
    BuildBottom(bottomTop, names);
}

void ParameterForm::BuildStrip(int height)
{
    auto& frame = Add<ui::Shape>("Shape1");
    frame.SetBounds(8, 8, 80, height - 16);
    frame.SetPenColor(kLineGrey);
    frame.SetBrushClear(true);
    auto& picture = Add<ui::Image>("Image1");
    picture.SetBounds(10, 10 + (height - 16 - 320) / 2, 76, 316);
    picture.SetStretch(true);
}

void ParameterForm::BuildBottom(int top, FrameNames names)
{
    auto& panel = Add<ui::Panel>(std::string(names.panel));
    panel.SetBevelOuter(ui::Bevel::None);
    panel.SetBounds(kRowLeft, top, kRowWidth, kBottomHeight);

    auto& band = panel.Add<ui::GradientLabel>("GradientLabel");
    band.SetBounds(3, 0, 145, 25);
    band.SetStartColor(gfx::Color::FromRgb(128, 0, 64));
    band.SetBorderColor(ui::kButtonFace);
    auto& command = panel.Add<ui::Label>("LabelCommand");
    command.SetPosition({9, 3});
    command.SetTransparent(true);
    command.SetFont(Arial(15, gfx::Color::FromRgb(255, 255, 225)));

    auto& box = panel.Add<ui::Shape>("Shape2");
    box.SetBounds(3, 24, 425, 70);
    box.SetColor(kInfoFill);
    box.SetPenColor(kLineGrey);
    auto& info = panel.Add<ui::Label>("LabelInfo");
    info.SetAutoSize(false);
    info.SetWordWrap(true);
    info.SetTransparent(true);
    info.SetBounds(9, 26, 415, 64);
    info.SetFont(Arial(13, kInfoText));

    auto& link = panel.Add<ui::LinkLabel>("LinkLabel1");
    link.SetPosition({111, 102});
    link.SetUrl(std::string(kMakerUrl));
    link.SetCaption(kMakerUrl);
    auto& logo = panel.Add<ui::Image>("Image2");
    logo.SetBounds(16, 98, 32, 32);

    auto& ok = panel.Add<ui::Button>(std::string(names.ok));
    ok.SetBounds(272, 103, 75, 25);
    ok.SetCaption("OK");
    ok.SetDefault(true);
    ok.SetModalResultValue(ui::ModalResult::Ok);
    auto& cancel = panel.Add<ui::Button>(std::string(names.cancel));
    cancel.SetBounds(353, 103, 75, 25);
    cancel.SetCaption("Cancel");
    cancel.SetDefault(true);
    cancel.SetModalResultValue(ui::ModalResult::Cancel);
}

ui::LabeledEdit& ParameterForm::Edit(std::string_view name) { return Typed<ui::LabeledEdit>(*this, name); }
ui::ComboBox& ParameterForm::Combo(std::string_view name) { return Typed<ui::ComboBox>(*this, name); }
ui::SpinEdit& ParameterForm::Spin(std::string_view name) { return Typed<ui::SpinEdit>(*this, name); }
ui::Label& ParameterForm::Caption(std::string_view name) { return Typed<ui::Label>(*this, name); }
ui::Control& ParameterForm::Named(std::string_view name) { return Typed<ui::Control>(*this, name); }

ui::Panel& ParameterForm::AddRow(int y, int height, int x, int width)
{
    auto& row = Add<ui::Panel>("Row" + std::to_string(++rowCount_));
    row.SetBevelOuter(ui::Bevel::None);
    row.SetBounds(x, y, width, height);
    auto& band = row.Add<ui::GradientLabel>({});
    band.SetBounds(2, 2, width < 331 ? width - 2 : 329, 20);
    band.SetStartColor(ui::kSkyBlue);
    band.SetEndColor(ui::kButtonFace);
    band.SetBorderColor(ui::kButtonFace);
    band.SetRadius(0);
    AddLine(row, 0, 0, width, 2);
    AddLine(row, 0, 0, 2, height);
    AddLine(row, 2, 22, width - 2, 1);
    return row;
}

ui::LabeledEdit& ParameterForm::AddTextField(ui::Panel& row, std::string name, int width, int x)
{
    auto& edit = row.Add<ui::LabeledEdit>(std::move(name));
    edit.SetBounds(x, 20, width, 23);
    edit.SetFont(Arial(13));
    if (ui::Label* label = edit.EditLabel()) {
        label->SetFont(Arial(13));
        label->SetTransparent(true);
    }
    return edit;
}

ui::Label& ParameterForm::AddCaption(ui::Panel& row, std::string name, int x, bool visible)
{
    auto& label = row.Add<ui::Label>(std::move(name));
    label.SetPosition({x, 2});
    label.SetFont(Arial(13));
    label.SetTransparent(true);
    label.SetVisible(visible);
    return label;
}

ui::ComboBox& ParameterForm::AddList(ui::Panel& row, std::string name, int x, int width, bool visible)
{
    auto& list = row.Add<ui::ComboBox>(std::move(name));
    list.SetBounds(x, 20, width, 21);
    list.SetVisible(visible);
    return list;
}

ui::SpinEdit& ParameterForm::AddSpin(ui::Panel& row, std::string name, int x, int width, int min, int max,
                                     int value, int maxLength, bool visible)
{
    auto& spin = row.Add<ui::SpinEdit>(std::move(name));
    spin.SetBounds(x, 20, width, 22);
    spin.SetRange(min, max);
    spin.SetMaxLength(maxLength);
    spin.SetValue(value);
    spin.SetVisible(visible);
    return spin;
}

ui::SpeedButton& ParameterForm::AddButton(ui::Panel& row, std::string name, int x, bool visible)
{
    auto& button = row.Add<ui::SpeedButton>(std::move(name));
    button.SetBounds(x, 18, 26, 24);
    button.SetVisible(visible);
    return button;
}

void ParameterForm::AddObjectPicker(ui::Panel& row, std::string name, ui::LabeledEdit& field, int x, bool visible)
{
    AddButton(row, std::move(name), x, visible).onClick = [&field](ui::Control&) { PickObject(field); };
}

void ParameterForm::AddVariablePicker(ui::Panel& row, std::string name, ui::LabeledEdit& field, int x, bool visible)
{
    AddButton(row, std::move(name), x, visible).onClick = [&field](ui::Control&) { PickVariable(field); };
}

void ParameterForm::AddSubroutinePicker(ui::Panel& row, std::string name, ui::LabeledEdit& field, int x, bool visible)
{
    AddButton(row, std::move(name), x, visible).onClick = [&field](ui::Control&) { ShowSubroutineList(field); };
}

void ParameterForm::AddColorPicker(ui::Panel& row, std::string name, ui::LabeledEdit& field, int x, bool visible)
{
    AddButton(row, std::move(name), x, visible).onClick = [this, &field](ui::Control&) { PickColor(*this, field); };
}

void ParameterForm::AddOpenPicturePicker(ui::Panel& row, std::string name, ui::LabeledEdit& field, int x, bool visible)
{
    AddButton(row, std::move(name), x, visible).onClick = [this, &field](ui::Control&) {
        PickOpenPicture(*this, field, openFilter);
    };
}

void ParameterForm::AddSavePicturePicker(ui::Panel& row, std::string name, ui::LabeledEdit& field, int x, bool visible)
{
    AddButton(row, std::move(name), x, visible).onClick = [this, &field](ui::Control&) {
        PickSavePicture(*this, field);
    };
}

}  // namespace ix::editors
