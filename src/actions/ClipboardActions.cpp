// The clipboard actions, ids 71 to 76.
#include "actions/ClipboardActions.h"

#include "actions/ActionFrame.h"
#include "actions/ClipboardPictures.h"
#include "actions/SelectionPicture.h"
#include "boundary/HostSlots.h"
#include "canvas/ViewProcessor.h"
#include "ui/Platform.h"

namespace ix::actions {

namespace {

using canvas::TPicture;

ui::Clipboard& SystemClipboard() { return ui::ThePlatform().SystemClipboard(); }

// The whole picture or the selection's box, as the copy actions put it on the clipboard.
void CopySelected(TPicture& c)
{
    gfx::ImageView& view = c.MainView();
    CopyPictureToClipboard(SystemClipboard(), SelectedPicture(view, view.BackgroundColor()));
}

// The clipboard's picture replaces the current layer's picture, its size included.
void ReplacePicture(TPicture& c, ClipboardSource source)
{
    auto picture = PasteFromClipboard(SystemClipboard(), source);
    if (!picture) return;
    gfx::ImageView& view = c.MainView();
    view.CurrentLayer().picture = std::move(*picture);
    view.Update();
    view.InvalidateLayers();
    view.Refresh();
}

} // namespace

bool ExecCopyToClipboard(const ActionParams& p)
{
    return RunOnCanvas(p, [](TPicture& c) {
        CopyPictureToClipboard(SystemClipboard(), c.MainView().CurrentLayer().picture);
    });
}

bool ExecCanvasClipboardTest(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture&) {
        const std::string_view variable = Param(p, 1);
        if (variable.empty()) return;
        boundary::SetHostVariable(variable, BooleanText(ClipboardHasPicture(SystemClipboard())));
    });
}

bool ExecPasteFromClipboard(const ActionParams& p)
{
    return RunOnCanvas(p, [](TPicture& c) { ReplacePicture(c, ClipboardSource::Any); });
}

bool ExecSelCopyToClip(const ActionParams& p)
{
    return RunOnCanvas(p, [](TPicture& c) { CopySelected(c); });
}

bool ExecSelCutToClip(const ActionParams& p)
{
    return RunOnCanvas(p, [](TPicture& c) {
        gfx::ImageView& view = c.MainView();
        if (!view.HasSelection()) return;
        // The selected pixels are cleared only when the copy reached the clipboard, so a
        // busy clipboard never loses the cut part.
        if (!CopyPictureToClipboard(SystemClipboard(), SelectedPicture(view, view.BackgroundColor()))) return;
        canvas::FillImage(view, view.BackgroundColor());
        view.Refresh();
    });
}

bool ExecSelPasteClipStretch(const ActionParams& p)
{
    return RunOnCanvas(p, [](TPicture& c) {
        gfx::ImageView& view = c.MainView();
        if (!view.HasSelection()) {
            ReplacePicture(c, ClipboardSource::Any);
            return;
        }
        auto picture = PasteFromClipboard(SystemClipboard(), ClipboardSource::RawOrDib);
        if (!picture) return;
        PasteIntoSelection(view, *picture, true);
        view.Refresh();
    });
}

} // namespace ix::actions
