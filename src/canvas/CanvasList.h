#pragma once
// The registry of canvases, as far as the host boundary needs it.

namespace ix::canvas {

// Closes every canvas in list order and destroys the registry; the next canvas creation
// builds a new one. Nothing happens while no registry exists.
void CloseAllCanvases();

}  // namespace ix::canvas
