#include "actions/PictureDialogs.h"

#include "gfx/codecs/FileFilters.h"
#include "ui/Dialogs.h"
#include "ui/Platform.h"

#include <iterator>

namespace ix::actions {


const std::string& OpenPictureFilter()
{
    static const std::string filter = gfx::codecs::FilterText(gfx::codecs::OpenPictureFilters());
    return filter;
}

const std::string& SavePictureFilter()
{
    static const std::string filter = gfx::codecs::FilterText(gfx::codecs::SavePictureFilters());
    return filter;
}

std::string_view SaveFilterExtension(int index) { return gfx::codecs::SaveFilterExtension(index); }

std::optional<gfx::Color> ShowColorDialog()
{
    ui::ColorDialogRequest request;
    request.initial = gfx::colors::Black;
    return ui::ThePlatform().ChooseColor(request);
}

std::optional<std::string> ShowOpenPictureDialog(const OpenPictureSettings& settings)
{
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogKind::Open;
    request.title = settings.title;
    request.initialDir = settings.initialDir;
    request.fileName = settings.fileName;
    request.filter = OpenPictureFilter();
    request.filterIndex = settings.filterIndex;
    request.preview = true;
    request.alwaysAnimate = settings.alwaysAnimate;
    auto result = ui::ThePlatform().ChooseFile(request);
    if (!result) return std::nullopt;
    return std::move(result->fileName);
}

std::optional<std::string> ShowSavePictureDialog()
{
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogKind::Save;
    request.filter = SavePictureFilter();
    request.filterIndex = 1;
    request.preview = true;
    auto result = ui::ThePlatform().ChooseFile(request);
    if (!result) return std::nullopt;
    // The extension is appended whatever the typed name ends in: the save dialog only
    // names the file, and the file actions take the format from the last extension.
    return result->fileName + std::string(SaveFilterExtension(result->filterIndex));
}

} // namespace ix::actions
