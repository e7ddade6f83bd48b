// The per-byte tone filters of the artistic brushes: LightenFilter ("BRUSH_GLOW"),
// DarkenFilter ("BRUSH_DARK") and SaturationFilter ("BRUSH_SATE").
//
// They work in place on a 24-bit picture (a picture in another format is made 24-bit
// first) and treat the blue, green and red bytes alike. Divisions truncate toward zero;
// the strengths are 64-bit so that any pressure a script stores computes without
// overflow. The alpha plane is not touched.
#pragma once

#include "gfx/Picture.h"

#include <cstdint>

namespace ix::canvas {

// Every byte c := ClampByte(c + (a · (255 − c)) div 255).
void LightenFilter(gfx::Picture& b, std::int64_t a);
// Every byte c := ClampByte(c − (a · c) div 255).
void DarkenFilter(gfx::Picture& b, std::int64_t a);
// Per pixel m := (b0 + b1 + b2) div 3; every byte c := ClampByte(m + (a · (c − m)) div 255):
// 255 keeps the colours, 0 gives grey, a negative strength inverts around the grey.
void SaturationFilter(gfx::Picture& b, std::int64_t a);

} // namespace ix::canvas
