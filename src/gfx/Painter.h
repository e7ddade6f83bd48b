// Painter: the raster canvas of a picture (or of its alpha plane) with a pen and a brush.
//
// Figures follow the Windows raster canvas: a rectangle or ellipse given by two corners
// covers x in [left, right) and y in [top, bottom) (corners in any order), its outline is
// drawn with the pen and its interior with the brush; LineTo draws from the current
// position up to, but not including, the end point of a width-1 line.
//
// Pen: colour, width (below 1 counts as 1), style and mix mode. Dashes apply to width-1
// lines and outlines only: a pen wider than one pixel always draws solid, as the
// Windows canvas does with such pens. A wide line is the set of pixels within width/2 of
// the segment (round ends and joins); a wide outline of a rectangle or ellipse is a band
// of `width` pixels centred on the figure's edge ((width − 1) / 2 of them outside it).
// Dash gaps and hatch gaps are left untouched (transparent).
//
// Mix mode NotXor makes every written channel ~(old ^ colour); every figure writes each
// of its pixels exactly once (outline and interior never overlap), so drawing the same
// figure twice in NotXor restores the picture, fills included. Pixel set, the copies and
// stretch-draw always copy.
//
// On the alpha plane (PaintPlane::Alpha, the plane is created opaque if missing) a colour
// means its grey level: RGB(t, t, t) writes alpha t, and reading gives grey colours.
// Everything is clipped to the picture; coordinates far outside cost nothing.
#pragma once

#include "gfx/Color.h"
#include "gfx/FloodFill.h"
#include "gfx/Geometry.h"
#include "gfx/Picture.h"

#include <array>
#include <optional>
#include <string_view>

namespace ix::gfx {

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot };
enum class PenMode { Copy, NotXor };
enum class BrushStyle { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

inline constexpr std::array<std::string_view, 5> kPenStyleNames = {"Solid", "Dash", "Dot", "DashDot", "DashDotDot"};
inline constexpr std::array<std::string_view, 8> kBrushStyleNames = {
    "Solid", "Clear", "Horizontal", "Vertical", "FDiagonal", "BDiagonal", "Cross", "DiagCross"};

// Exact (case-sensitive) keyword lookups.
constexpr std::optional<PenStyle> PenStyleByName(std::string_view name)
{
    for (std::size_t i = 0; i < kPenStyleNames.size(); ++i)
        if (kPenStyleNames[i] == name) return static_cast<PenStyle>(i);
    return std::nullopt;
}
constexpr std::optional<BrushStyle> BrushStyleByName(std::string_view name)
{
    for (std::size_t i = 0; i < kBrushStyleNames.size(); ++i)
        if (kBrushStyleNames[i] == name) return static_cast<BrushStyle>(i);
    return std::nullopt;
}

struct Pen {
    Color color = colors::Black;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
    friend constexpr bool operator==(const Pen&, const Pen&) = default;
};

// Hatch lines repeat every 8 pixels, aligned to the picture's top-left corner.
struct Brush {
    Color color = colors::White;
    BrushStyle style = BrushStyle::Solid;
    friend constexpr bool operator==(const Brush&, const Brush&) = default;
};

// Whether the brush paints pixel (x, y) (false everywhere for Clear).
bool BrushCovers(BrushStyle style, int x, int y);
// Whether step `i` along a width-1 line or outline is drawn.
bool DashOn(PenStyle style, long long i);

class Painter {
public:
    // Paints on `picture`, which must outlive the painter.
    explicit Painter(Picture& picture, PaintPlane plane = PaintPlane::Color);

    Pen pen;
    Brush brush;

    Picture& Target() { return *picture_; }
    PaintPlane Plane() const { return plane_; }

    Point Position() const { return position_; }
    void MoveTo(Point p) { position_ = p; }
    // A pen line from the current position to p; the position becomes p.
    void LineTo(Point p);
    void Rectangle(const Rect& corners);
    void Ellipse(const Rect& corners);
    // The brush alone over a rectangle (corners in any order), in the pen's mix mode.
    void FillRect(const Rect& corners);

    // Black (alpha plane: the grey of alpha 255) outside the picture.
    Color Pixel(Point p) const;
    // Ignored outside the picture.
    void SetPixel(Point p, Color c);

    // Paints with the brush the 4-connected area of exactly the colour at `seed`
    // (the alpha value on the alpha plane), in the pen's mix mode.
    void FloodFill(Point seed);

    // Copies `src` scaled to `dest` (area-averaged when reducing, repeated pixels when
    // enlarging). Throws GfxError when the scaled copy cannot be made.
    void StretchDraw(const Rect& dest, const Picture& src);
    // Copies `src` with its top-left corner at `at`.
    void Draw(Point at, const Picture& src);
    // As Draw, but pixels of the colour of src's lower-left pixel are not drawn.
    void DrawTransparent(Point at, const Picture& src);
    // Copies srcRect of `src` onto dest (nearest pixel when the sizes differ); parts of
    // srcRect outside `src` are not drawn.
    void CopyRect(const Rect& dest, const Picture& src, const Rect& srcRect);

private:
    void Put(int x, int y, Color c, bool copy);
    void PutSpan(int y, long long x0, long long x1, Color c, bool copy);
    void BrushSpan(int y, long long x0, long long x1);
    void OutlinePixel(int x, int y, long long step);
    void WideLine(Point a, Point b);
    void ThinLine(Point a, Point b);
    void Figure(const Rect& corners, bool ellipse);

    Picture* picture_;
    PaintPlane plane_;
    Point position_;
};

} // namespace ix::gfx
