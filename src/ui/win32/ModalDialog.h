// ModalDialog: a toolkit form run modally in a real dialog window.
//
// The form's edits, spin edits (an edit with an up-down buddy), drop-down lists, buttons
// and plain labels become native EDIT, msctls_updown32, COMBOBOX, BUTTON and STATIC
// controls at the places, sizes, fonts and colours of the form model. Speed buttons and
// links become owner-drawn buttons that show what our renderer painted for them, so they
// press like buttons. Everything else (panels, shapes, gradients, pictures) is drawn by
// our renderer into the dialog's background and gets its mouse input through the form's
// router. Transparent labels paint with the background as their brush, so they stay
// transparent when their text changes. Every native control carries its component name
// as the window property "ixName" (a global atom, deleted with the dialog), so a driver
// finds it by the name the form model gives it.
//
// The native controls and the model are kept in step both ways: what the user types or
// picks goes into the model at once, and after every handler that ran (a button, a list
// change, a click on the background) whatever the handler changed in the model (texts,
// items, visibility, enabled state, bounds) is carried back to the native controls and
// the background is rendered again. A spin edit applies its range when it loses the
// focus and before any button runs, as the framework's spin edit does.
//
// The dialog is owned by the thread's active window, which is disabled while the loop
// runs. The loop ends when the form gets a modal result (a button with one, Enter on the
// default button, the close box: Cancel); on OK every field is read back into the model
// once more. A WM_QUIT seen by the loop ends it with Cancel and is posted again for the
// host's own loop.
#pragma once

#include "ui/Types.h"

#include <string>

namespace ix::ui {
class Form;
}

namespace ix::ui::win32 {

class CursorSet;
class GdiText;

ModalResult RunModalDialog(Form& form, GdiText& text, CursorSet& cursors);
// The class name of our dialog windows (drivers and tests find them by it).
const std::wstring& ModalDialogClassName();

} // namespace ix::ui::win32
