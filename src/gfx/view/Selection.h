// Selection: the selected region of a view's picture as an 8-bit mask and its box.
//
// Mask values are 0 outside, up to 255 fully inside; intermediate values are soft edges.
// The mask has the picture's size and lives only while something is selected, so an idle
// view of a large photo carries no mask. Coordinates are picture pixels of layer 0.
// Shapes are rasterized by pixel centres: a pixel belongs to a shape when its centre
// (x + 0.5, y + 0.5) lies inside, so the rectangle from corner (10, 20) to corner (50, 60)
// selects pixels 10..49 across and 20..59 down.
#pragma once

#include "gfx/Geometry.h"

#include <climits>
#include <cstdint>
#include <span>
#include <vector>

namespace ix::gfx {

// The box as scripts read it: right and bottom inclusive; kNone when nothing is selected.
struct SelectionBounds {
    int x1 = INT_MAX;
    int y1 = INT_MAX;
    int x2 = 0;
    int y2 = 0;
    friend constexpr bool operator==(const SelectionBounds&, const SelectionBounds&) = default;
    static constexpr SelectionBounds FromRect(const Rect& r)
    {
        if (r.IsEmpty()) return {};
        return {r.left, r.top, r.right - 1, r.bottom - 1};
    }
};

class Selection {
public:
    bool IsEmpty() const { return box_.IsEmpty(); }
    // Half-open bounding box of the non-zero mask values; empty when nothing is selected.
    Rect Box() const { return box_; }
    SelectionBounds Bounds() const { return SelectionBounds::FromRect(box_); }
    Size PictureSize() const { return size_; }
    // 0 outside the picture and when nothing is selected.
    std::uint8_t At(Point p) const;
    // A mask row of PictureSize().width values; only while !IsEmpty() and 0 <= y < height.
    const std::uint8_t* Row(int y) const { return mask_.data() + static_cast<std::size_t>(y) * size_.width; }
    // Changes with every edit, so that caches of the outline know when to rebuild.
    std::uint64_t Version() const { return version_; }

    void Clear();
    // Each of these replaces the selection; parts outside the picture are dropped, and a
    // shape with nothing inside the picture leaves nothing selected. value 0 deselects.
    void SelectRect(Size picture, const Rect& requested, std::uint8_t value);
    void SelectEllipse(Size picture, const Rect& box, std::uint8_t value);
    void SelectPolygon(Size picture, std::span<const Point> corners, std::uint8_t value);
    // `marks` holds picture.width × picture.height bytes, non-zero where selected.
    void SelectMarks(Size picture, std::span<const std::uint8_t> marks, std::uint8_t value);

    // Every non-zero mask value inside the box becomes `value`; 0 therefore deselects.
    void SetIntensity(std::uint8_t value);
    // Softens the edge: the mask is blurred with a support growing with the radius, so
    // values fall off over about `radius` pixels on both sides of the old edge.
    void Feather(double radius);
    // Values of at least `level` become 255, the others 0 (a 1-bit mask's view of a soft one).
    void Threshold(std::uint8_t level);
    // Drops a selection made for another picture size (the picture was replaced).
    void MatchPicture(Size picture);

private:
    bool Start(Size picture);
    void UpdateBox();

    Size size_;
    std::vector<std::uint8_t> mask_;
    Rect box_;
    std::uint64_t version_ = 0;
};

} // namespace ix::gfx
