// DibBlit: puts a part of a Surface on a device context. A surface is a top-down 32-bit
// DIB as it is, so one SetDIBitsToDevice call copies it without conversion.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Surface.h"

#include <windows.h>

namespace ix::ui::win32 {

// Copies `source` (a rectangle of the surface; clipped to it) with its top-left at `at`
// of the device context. False when nothing could be copied.
bool BlitSurface(HDC dc, const gfx::Surface& surface, const gfx::Rect& source, gfx::Point at);
// True for a handle that names a live device context of any kind.
bool IsDeviceContext(HDC dc);

} // namespace ix::ui::win32
