// MakeBgr24: the brush filters work on 24-bit rows; a picture in another format is
// converted first, so that their row walks never read past a narrower row.
#pragma once

#include "gfx/Picture.h"

namespace ix::canvas {

inline void MakeBgr24(gfx::Picture& b)
{
    if (b.Format() != gfx::PixelFormat::Bgr24) b.ConvertTo(gfx::PixelFormat::Bgr24);
}

} // namespace ix::canvas
