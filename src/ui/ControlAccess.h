// ControlAccess: reading and setting controls by property name, as a dialog driver or a
// reference host does it (they see only names and texts).
//
// Properties (all texts; Booleans are "1" and "0"):
//   every control: type, name, text, caption, visible (own flag), showing, enabled, left,
//     top, width, height, color (the decimal colour value), fontname, fontheight,
//     fontcolor, fontstyle, cursor, tag, zindex, align
//   LabeledEdit: label, maxlength        ComboBox: items (one per line), itemindex, count
//   SpinEdit: value, min, max, maxlength Button: default, cancel, modalresult
//   Ruler: vertical, dotsperunit, tickfrequency, labelfrequency, viewposition, inverted,
//     gripbase, maxgripheight          Form: class, modalresult
// Writable: text (as typing; a spin edit then loses the focus, so its range applies),
//   caption, itemindex, value, visible, enabled, left, top, width, height.
// Reads give nothing and writes false for an unknown property or a malformed value.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ix::ui {

class Control;

std::optional<std::string> ReadProperty(Control& c, std::string_view property);
bool WriteProperty(Control& c, std::string_view property, const std::string& value);
// Presses the control as a user would: a click on a button (its modal result set on its
// form), a speed button, a link or any other control with a click handler. False for a
// hidden or disabled control.
bool Press(Control& c);

} // namespace ix::ui
