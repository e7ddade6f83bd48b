// The dialog actions, ids 93 to 95.
#include "actions/DialogActions.h"

#include "actions/ActionFrame.h"
#include "actions/PictureDialogs.h"
#include "boundary/HostSlots.h"
#include "gfx/codecs/FileSystem.h"

namespace ix::actions {

namespace {

template <typename Work>
bool Guarded(Work&& work) noexcept
{
    try {
        work();
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace

bool ExecCanvasColorBox(const ActionParams& p)
{
    return Guarded([&] {
        if (const auto colour = ShowColorDialog()) boundary::SetHostVariable(Param(p, 0), ColorText(*colour));
    });
}

bool ExecCanvasOpenDialog(const ActionParams& p)
{
    return Guarded([&] {
        OpenPictureSettings settings;
        const std::string_view folder = Param(p, 1);
        if (!folder.empty() && gfx::codecs::FolderExists(folder)) settings.initialDir = std::string(folder);
        settings.fileName = std::string(Param(p, 2));
        settings.alwaysAnimate = ReadBoolean(Param(p, 3)).value_or(false);
        settings.filterIndex = ReadIntegerOr(Param(p, 4), 2);
        settings.title = std::string(Param(p, 5));
        if (const auto name = ShowOpenPictureDialog(settings)) boundary::SetHostVariable(Param(p, 0), *name);
    });
}

bool ExecCanvasSaveDialog(const ActionParams& p)
{
    return Guarded([&] {
        if (const auto name = ShowSavePictureDialog()) boundary::SetHostVariable(Param(p, 0), *name);
    });
}

} // namespace ix::actions
