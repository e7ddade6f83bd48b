// FontMap: which DejaVu face stands in for a font the forms ask for.
//
// Sans faces ("MS Sans Serif", "Arial", "Tahoma", ...) map to DejaVu Sans, serif faces
// ("Times New Roman", ...) to DejaVu Serif, fixed-pitch faces ("Courier New", ...) to
// DejaVu Sans Mono, and script faces ("Monotype Corsiva", "Segoe Script", ...) to DejaVu
// Serif italic; unknown names get DejaVu Sans. Bold and italic pick the matching file.
#pragma once

#include <string>
#include <string_view>

namespace ix::ui::headless {

// The file name (without folder) of the face for that font name and FontStyle bits.
std::string FontFileFor(std::string_view name, unsigned style);
// The folder the DejaVu files are taken from.
std::string FontFolder();

} // namespace ix::ui::headless
