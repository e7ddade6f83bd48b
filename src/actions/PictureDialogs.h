// PictureDialogs: the system colour, open-picture and save-picture dialogs as the dialog
// actions show them, with the filter lists of the forms that carry them.
//
// The open list has 28 filters ("All Files (*.*)" is index 2); the save list has 19, and
// each of its indexes names the extension a chosen name receives. Indexes are 1-based as
// the system counts them.
#pragma once

#include "gfx/Color.h"

#include <optional>
#include <string>
#include <string_view>

namespace ix::actions {

// The filter strings in the system's "description|patterns|..." form.
const std::string& OpenPictureFilter();
const std::string& SavePictureFilter();
// The extension (with the dot) of save filter `index`; empty outside 1 to 19.
std::string_view SaveFilterExtension(int index);

struct OpenPictureSettings {
    std::string initialDir; // empty: the system decides
    std::string fileName;
    bool alwaysAnimate = false;
    int filterIndex = 2;
    std::string title; // empty: the default title
};

// The colour dialog, starting on black; nothing when cancelled.
std::optional<gfx::Color> ShowColorDialog();
// The open-picture dialog with a preview; the chosen full name, nothing when cancelled.
std::optional<std::string> ShowOpenPictureDialog(const OpenPictureSettings& settings);
// The save-picture dialog with a preview, first filter preselected; the name as typed
// with the extension of the chosen filter appended, nothing when cancelled.
std::optional<std::string> ShowSavePictureDialog();

} // namespace ix::actions
