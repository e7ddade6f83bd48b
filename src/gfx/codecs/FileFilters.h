// FileFilters: the filter lists of the picture open and save dialogs, written once.
//
// Each entry is a description, its patterns ("*.tif;*.tiff") and, for the save list, the
// extension that choosing the entry appends to the typed name. Texts are UTF-8 here (one
// entry is Russian); FilterText joins a list the way a dialog resource stores it, in
// Windows-1251: description and patterns of each entry, all separated by "|".
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ix::gfx::codecs {

struct FileFilter {
    std::string_view description; // UTF-8
    std::string_view patterns;
    std::string_view appendedExtension; // save list only; empty in the open list
};

// Index 1 is the first entry, as dialogs number them.
std::span<const FileFilter> OpenPictureFilters(); // 28 entries; 2 is "All Files (*.*)"
std::span<const FileFilter> SavePictureFilters(); // 19 entries

// "description|patterns|description|patterns…" in Windows-1251.
std::string FilterText(std::span<const FileFilter> filters);
// The extension the save list appends for a 1-based index, or "" outside the list.
std::string_view SaveFilterExtension(int index);

} // namespace ix::gfx::codecs
