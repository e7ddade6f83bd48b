#include "canvas/CanvasList.h"

namespace ix::canvas {

// No canvas can be created yet, so there is never a registry to close.
void CloseAllCanvases() {}

}  // namespace ix::canvas
