#include "ui/win32/DibBlit.h"

namespace ix::ui::win32 {

bool BlitSurface(HDC dc, const gfx::Surface& surface, const gfx::Rect& requested, gfx::Point at)
{
    const gfx::Rect source = requested.Intersected(surface.Bounds());
    if (!dc || source.IsEmpty()) return false;
    // Only the rows wanted, handed over as a DIB of their own: with exactly as many lines
    // as are copied, the start line and source y of a top-down DIB leave no doubt.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = surface.Width();
    info.bmiHeader.biHeight = -source.Height(); // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const int lines = SetDIBitsToDevice(dc, at.x, at.y, static_cast<DWORD>(source.Width()),
                                        static_cast<DWORD>(source.Height()), source.left, 0, 0,
                                        static_cast<UINT>(source.Height()), surface.Row(source.top), &info,
                                        DIB_RGB_COLORS);
    return lines > 0;
}

bool IsDeviceContext(HDC dc)
{
    if (!dc) return false;
    switch (GetObjectType(dc)) {
    case OBJ_DC:
    case OBJ_MEMDC:
    case OBJ_ENHMETADC:
    case OBJ_METADC: return true;
    default: return false;
    }
}

} // namespace ix::ui::win32
