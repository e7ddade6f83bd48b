// Compose: pictures and layers rendered onto one another.
//
// DrawPicture is the one primitive: a source picture, scaled to a destination
// rectangle, blended onto a destination picture with an operation of Blend.h, the
// source's alpha plane as coverage and an overall transparency (clamped to 0..255).
// Onto a destination without alpha the result is Blend.h's mix; onto a destination with
// an alpha plane it is the usual "source over destination" of two partly covered
// pixels, and the destination's alpha grows accordingly:
//     a  = srcAlpha · t / 255,  da = destination alpha
//     a' = a + da − a·da/255
//     c' = (f(s, d)·a·da + s·a·(255 − da) + d·da·(255 − a)) / (255 · a')
// Everything is clipped to the destination; nothing outside it is read or written.
//
// Layer composition draws the visible layers bottom-up at their positions and display
// sizes. Layer rotation is not applied here (the view turns rotated layers itself).
#pragma once

#include "gfx/BlendOp.h"
#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "gfx/Picture.h"
#include "gfx/ResampleFilter.h"

namespace ix::gfx {

class LayerStack;
struct Layer;

struct DrawOptions {
    // How a source is scaled when the destination rectangle's size differs from its own:
    // rfNone picks the nearest pixel; any other filter resamples with Resample.h.
    ResampleFilter filter = ResampleFilter::rfNone;
    int transparency = 255;
    BlendOp blend = BlendOp::Normal;
};

// Renders `src` scaled to `destRect` onto `dst`. A black-and-white source is drawn as
// colour; a black-and-white destination throws GfxError. Throws GfxError when a
// resampled copy cannot be made.
void DrawPicture(Picture& dst, const Rect& destRect, const Picture& src, const DrawOptions& options = {});

// Draws `layer` (whether visible or not) with its own transparency and blend operation
// onto `dst`, whose top-left pixel shows the layer-0 pixel `origin`.
void DrawLayer(Picture& dst, const Layer& layer, Point origin = {},
               ResampleFilter filter = ResampleFilter::rfFastLinear);

// Over the rectangle of `brush`'s size at `at` (clipped to `dst`): each alpha of `dst`
// := max(its own, the brush's alpha at the matching brush pixel). A destination without
// alpha plane is opaque already and stays as it is; a brush without one counts as 255.
void MergeAlphaRect(Picture& dst, Point at, const Picture& brush);

// The union of every layer's shown rectangle (visible or not), in layer-0 pixels.
Rect LayersExtent(const LayerStack& stack);

// A new opaque picture of `area`'s size showing the visible layers composed over
// `background`; its top-left pixel is the layer-0 pixel area.TopLeft().
Picture ComposeLayers(const LayerStack& stack, const Rect& area, Color background,
                      ResampleFilter filter = ResampleFilter::rfFastLinear);

// ComposeLayers over LayersExtent(stack).
Picture ComposeAll(const LayerStack& stack, Color background,
                   ResampleFilter filter = ResampleFilter::rfFastLinear);

} // namespace ix::gfx
