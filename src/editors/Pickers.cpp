#include "editors/Pickers.h"

#include "boundary/HostSlots.h"
#include "gfx/Cp1251.h"
#include "gfx/codecs/FileFilters.h"
#include "ui/MessageBox.h"
#include "ui/Platform.h"

#include <ixcanvas/plugin.h>


namespace ix::editors {
namespace {

void PickThroughHost(std::int32_t code, ui::LabeledEdit& field)
{
    if (boundary::Host().interfaceAccess == nullptr) return;
    boundary::InterfaceAnswer answer = boundary::AskInterface(code, field.Text());
    if (answer.answered) field.SetText(std::move(answer.text));
}


}  // namespace

void PickObject(ui::LabeledEdit& field) { PickThroughHost(IX_IA_PICK_OBJECT, field); }

void PickVariable(ui::LabeledEdit& field) { PickThroughHost(IX_IA_PICK_VARIABLE, field); }

void ShowSubroutineList(ui::LabeledEdit& field)
{
    if (boundary::Host().interfaceAccess == nullptr) return;
    const boundary::InterfaceAnswer answer = boundary::AskInterface(IX_IA_SUBROUTINE_LIST, field.Text());
    if (answer.answered && !answer.text.empty())
        ui::ShowMessage(gfx::Utf8ToCp1251("Список подпрограмм") + "\r\r" + answer.text);
    else
        ui::ShowMessage(gfx::Utf8ToCp1251("Подпрограммы отсутствуют"));
}

std::string ColorText(gfx::Color c)
{
    return std::to_string(c.R()) + "," + std::to_string(c.G()) + "," + std::to_string(c.B());
}

void PickColor(ui::Form& form, ui::LabeledEdit& field)
{
    const std::optional<gfx::Color> chosen = ui::ThePlatform().ChooseColor(ui::ColorDialogRequest{});
    if (chosen) field.SetText(ColorText(*chosen));
    form.BringWindowToTop();
}

void PickOpenPicture(ui::Form& form, ui::LabeledEdit& field, const std::string& filter)
{
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogKind::Open;
    request.filter = filter;
    request.preview = true;
    const std::optional<ui::FileDialogResult> chosen = ui::ThePlatform().ChooseFile(request);
    if (chosen) field.SetText(chosen->fileName);
    form.BringWindowToTop();
}

const std::string& SaveFilter()
{
    static const std::string filter = gfx::codecs::FilterText(gfx::codecs::SavePictureFilters());
    return filter;
}

std::string_view SaveExtension(int filterIndex) { return gfx::codecs::SaveFilterExtension(filterIndex); }

void PickSavePicture(ui::Form& form, ui::LabeledEdit& field)
{
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogKind::Save;
    request.filter = SaveFilter();
    request.preview = true;
    const std::optional<ui::FileDialogResult> chosen = ui::ThePlatform().ChooseFile(request);
    // The selected filter's extension is appended even to a name that has one already:
    // the host's scripts rely on the saved name carrying the chosen format.
    if (chosen) field.SetText(chosen->fileName + std::string(SaveExtension(chosen->filterIndex)));
    form.BringWindowToTop();
}

}  // namespace ix::editors
