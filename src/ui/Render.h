// Rendering a control tree into a 32-bit surface.
//
// RenderTree paints `root` with its client (0, 0) at `origin`, then its visible children
// bottom to top, each clipped to its parent's visible area and to `clip`. A control whose
// Paint throws leaves its area as far as it got; the rest of the tree still paints.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Surface.h"

namespace ix::ui {

class Control;
class TextRenderer;

void RenderTree(Control& root, gfx::Surface& surface, gfx::Point origin, const gfx::Rect& clip, TextRenderer& text);
// The tree painted into a new surface of the root's size.
gfx::Surface RenderToSurface(Control& root, TextRenderer& text);

} // namespace ix::ui
