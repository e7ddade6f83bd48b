// GestureState and MiniatureDragState: the two process-wide records of the mouse.
//
// One gesture runs at a time in the whole plug-in, since the pressed view holds the
// mouse capture; GestureState records it for every canvas (the tool engine and the brush
// strokes). MiniatureDragState records a miniature being dragged, shared by all
// miniatures of all canvases. Both start empty when the library loads and live until it
// unloads; they are touched only on the host's user-interface thread.
#pragma once

#include "canvas/ArtBrush.h"
#include "gfx/Color.h"
#include "gfx/Geometry.h"

#include <string>

namespace ix::canvas {

struct GestureState {
    std::string mode;          // the running gesture's mode text; empty when none runs
    gfx::Point start;          // line, rectangle and ellipse start, picture pixels
    gfx::Point lineEnd;        // end of the line rubber band last drawn
    gfx::Point shapeEnd;       // opposite corner of the rectangle or ellipse band
    gfx::Color transparentColor; // the colour MakeColorTransparent turns transparent
    ArtBrushStroke artStroke;  // work bitmaps of an artistic or gradient stroke
    // The transparent brush: the canvas window it runs on, the layer the stroke paints
    // into and the brush layer on top; -1 while no brush layer is known.
    const void* brushCanvas = nullptr;
    int brushTargetLayer = -1;
    int brushLayer = -1;
};

struct MiniatureDragState {
    bool dragging = false;
    int startX = 0;
    int startY = 0;
};

GestureState& TheGestureState();
MiniatureDragState& TheMiniatureDragState();

} // namespace ix::canvas
