// KeyedDraw: a picture drawn onto another with one colour left out.
//
// `src` is copied onto `dst` with its top-left corner at `at` (clipped to `dst`); its
// pixels of exactly the colour `key` are not drawn, so `dst` shows through them. The
// source's alpha plane is not looked at; `dst` keeps its own alpha.
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "gfx/Picture.h"

namespace ix::gfx {

void KeyedDraw(Picture& dst, Point at, const Picture& src, Color key);

// The colour a bitmap marked transparent "automatically" leaves out: its lower-left pixel.
Color AutoTransparentColor(const Picture& picture);

} // namespace ix::gfx
