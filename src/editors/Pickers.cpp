#include "editors/Pickers.h"

#include "boundary/HostSlots.h"
#include "gfx/Cp1251.h"
#include "ui/MessageBox.h"
#include "ui/Platform.h"

#include <ixcanvas/plugin.h>

#include <array>

namespace ix::editors {
namespace {

void PickThroughHost(std::int32_t code, ui::LabeledEdit& field)
{
    if (boundary::Host().interfaceAccess == nullptr) return;
    boundary::InterfaceAnswer answer = boundary::AskInterface(code, field.Text());
    if (answer.answered) field.SetText(std::move(answer.text));
}

struct SaveEntry {
    std::string_view description;
    std::string_view patterns;
    std::string_view extension;
};

// The last description is UTF-8 here; SaveFilter converts the whole list.
constexpr std::array<SaveEntry, 19> kSaveEntries{{
    {"TIFF Bitmap (*.tif;*.tiff;*.fax;*.g3n;*.g3f;*.xif)", "*.tif;*.tiff;*.fax;*.g3n;*.g3f;*.xif", ".tif"},
    {"CompuServe Bitmap (*.gif)", "*.gif", ".gif"},
    {"JPEG Bitmap (*.jpg;*.jpeg;*.jpe;*.jif)", "*.jpg;*.jpeg;*.jpe;*.jif", ".jpg"},
    {"PaintBrush (*.pcx)", "*.pcx", ".pcx"},
    {"Windows Bitmap (*.bmp;*.dib;*.rle)", "*.bmp;*.dib;*.rle", ".bmp"},
    {"Windows Icon (*.ico)", "*.ico", ".ico"},
    {"Portable Network Graphics (*.png)", "*.png", ".png"},
    {"Targa Bitmap (*.tga;*.targa;*.vda;*.icb;*.vst;*.pix)", "*.tga;*.targa;*.vda;*.icb;*.vst;*.pix", ".tga"},
    {"Portable Pixmap, GrayMap, BitMap (*.pxm;*.ppm;*.pgm;*.pbm)", "*.pxm;*.ppm;*.pgm;*.pbm", ".pxm"},
    {"Wireless Bitmap (*.wbmp)", "*.wbmp", ".wbmp"},
    {"JPEG2000 (*.jp2)", "*.jp2", ".jp2"},
    {"JPEG2000 Code Stream (*.j2k;*.jpc;*.j2c)", "*.j2k;*.jpc;*.j2c", ".j2k"},
    {"Multipage PCX (*.dcx)", "*.dcx", ".dcx"},
    {"Photoshop PSD (*.psd)", "*.psd", ".psd"},
    {"Vectorial objects (*.iev)", "*.iev", ".iev"},
    {"Layers (*.lyr)", "*.lyr", ".lyr"},
    {"Layers and objects (*.all)", "*.all", ".all"},
    {"Microsoft HD Photo (*.wdp;*.hdp)", "*.wdp;*.hdp", ".wdp"},
    {"Видео для Windows (*.avi)", "*.avi", ".avi"},
}};

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
    static const std::string filter = [] {
        std::string text;
        for (const SaveEntry& e : kSaveEntries) {
            if (!text.empty()) text += '|';
            text += e.description;
            text += '|';
            text += e.patterns;
        }
        return gfx::Utf8ToCp1251(text);
    }();
    return filter;
}

std::string_view SaveExtension(int filterIndex)
{
    if (filterIndex < 1 || filterIndex > static_cast<int>(kSaveEntries.size())) return {};
    return kSaveEntries[static_cast<std::size_t>(filterIndex - 1)].extension;
}

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
