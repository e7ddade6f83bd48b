// ColorReduce: a picture reduced to at most n colours.
//
// n of 2 or less makes the picture black and white (luminance threshold 128); n from 3
// to 1024 reduces a 24-bit colour picture by median cut over a 15-bit colour histogram
// (boxes split at the weighted median of their longest side), every pixel taking the
// mean colour of its box; n above 1024 leaves the picture as it is. A black-and-white
// picture is converted to 24-bit colour first. Memory: a fixed 128 KiB histogram.
#pragma once

#include "gfx/Picture.h"

namespace ix::gfx {

inline constexpr int kMaxReducedColors = 1024;

void ReduceColors(Picture& picture, int n);

} // namespace ix::gfx
