// PaintContext: where and how a control paints itself during one render pass.
//
// `origin` is the position of the control's client (0, 0) on the surface and `clip` the
// part of the surface it may touch (already inside the surface and the control's
// visible area). Everything a control draws goes through SurfacePainter with these.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Surface.h"

namespace ix::ui {

class TextRenderer;

struct PaintContext {
    gfx::Surface& surface;
    gfx::Point origin;
    gfx::Rect clip;
    TextRenderer& text;
};

} // namespace ix::ui
