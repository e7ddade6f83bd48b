#include "canvas/GestureState.h"

namespace ix::canvas {

GestureState& TheGestureState()
{
    static GestureState state;
    return state;
}

MiniatureDragState& TheMiniatureDragState()
{
    static MiniatureDragState state;
    return state;
}

} // namespace ix::canvas
