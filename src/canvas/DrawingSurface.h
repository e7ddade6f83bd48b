// DrawingSurface: the pen and brush of a canvas's drawing surface.
//
// The tool actions set them; the tool engine draws with them on the current layer's
// picture and changes only the pen's mix mode, during line, rectangle and ellipse
// gestures. They keep their settings between gestures and are shared by all tools of
// the canvas, as is the current drawing position.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Painter.h"

namespace ix::canvas {

struct DrawingSurface {
    gfx::Pen pen;
    gfx::Brush brush;
    gfx::Point position; // where the next freehand line starts

    // A painter on `picture` with these settings, starting at the current position.
    gfx::Painter PainterOn(gfx::Picture& picture) const
    {
        gfx::Painter p(picture);
        p.pen = pen;
        p.brush = brush;
        p.MoveTo(position);
        return p;
    }
};

} // namespace ix::canvas
