// RemoveRedEyes: the red cast of flash-lit pupils taken out of the selected pixels.
//
// A pixel counts as red-eye when its red is at least kRedEyeMinRed and more than
// one and a half times the mean of its green and blue; its red then drops to that mean, so
// the pupil turns dark grey with its shading kept. Other pixels stay. Soft selection
// edges mix the correction in by the mask value. Alpha is kept.
#pragma once

#include "gfx/Picture.h"
#include "gfx/ops/SelectedArea.h"

namespace ix::gfx {

inline constexpr int kRedEyeMinRed = 50;

void RemoveRedEyes(Picture& picture, const SelectedArea& area = {});

} // namespace ix::gfx
