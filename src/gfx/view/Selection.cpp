#include "gfx/view/Selection.h"

#include "gfx/GfxError.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace ix::gfx {

namespace {

// One pass of a running-sum box blur of radius r along a line of n values with stride.
void BoxBlurLine(std::uint8_t* line, int n, std::ptrdiff_t stride, int r, std::vector<std::uint32_t>& scratch)
{
    scratch.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) scratch[static_cast<std::size_t>(i)] = line[i * stride];
    const std::uint32_t window = static_cast<std::uint32_t>(2 * r + 1);
    std::uint32_t sum = 0;
    // Outside the line counts as 0, so the selection fades out at the picture's edge too.
    for (int i = 0; i <= std::min(r, n - 1); ++i) sum += scratch[static_cast<std::size_t>(i)];
    for (int i = 0; i < n; ++i) {
        line[i * stride] = static_cast<std::uint8_t>((sum + window / 2) / window);
        const int add = i + r + 1;
        const int drop = i - r;
        if (add < n) sum += scratch[static_cast<std::size_t>(add)];
        if (drop >= 0) sum -= scratch[static_cast<std::size_t>(drop)];
    }
}

} // namespace

std::uint8_t Selection::At(Point p) const
{
    if (!box_.Contains(p)) return 0;
    return Row(p.y)[p.x];
}

void Selection::Clear()
{
    mask_.clear();
    mask_.shrink_to_fit();
    box_ = {};
    ++version_;
}

bool Selection::Start(Size picture)
{
    Clear();
    if (picture.IsEmpty()) return false;
    try {
        mask_.assign(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height), 0);
    } catch (const std::bad_alloc&) {
        throw GfxError("selection: out of memory");
    } catch (const std::length_error&) {
        throw GfxError("selection: size refused");
    }
    size_ = picture;
    return true;
}

void Selection::UpdateBox()
{
    ++version_;
    Rect box;
    if (!mask_.empty()) {
        int left = size_.width, right = 0, top = -1, bottom = 0;
        for (int y = 0; y < size_.height; ++y) {
            const std::uint8_t* row = Row(y);
            int first = 0;
            while (first < size_.width && row[first] == 0) ++first;
            if (first == size_.width) continue;
            int last = size_.width - 1;
            while (row[last] == 0) --last;
            if (top < 0) top = y;
            bottom = y + 1;
            left = std::min(left, first);
            right = std::max(right, last + 1);
        }
        if (top >= 0) box = {left, top, right, bottom};
    }
    box_ = box;
    if (box_.IsEmpty()) {
        mask_.clear();
        mask_.shrink_to_fit();
    }
}

void Selection::SelectRect(Size picture, const Rect& requested, std::uint8_t value)
{
    const Rect rect = requested.Normalized().Intersected(Rect::FromSize(picture));
    if (value == 0 || rect.IsEmpty() || !Start(picture)) {
        Clear();
        return;
    }
    for (int y = rect.top; y < rect.bottom; ++y)
        std::fill_n(mask_.data() + static_cast<std::size_t>(y) * size_.width + rect.left, rect.Width(), value);
    box_ = rect;
    ++version_;
}

void Selection::SelectEllipse(Size picture, const Rect& box, std::uint8_t value)
{
    const Rect shape = box.Normalized();
    const Rect rect = shape.Intersected(Rect::FromSize(picture));
    if (value == 0 || rect.IsEmpty() || !Start(picture)) {
        Clear();
        return;
    }
    // In doubles: the sums of far-off corners need not fit an int.
    const double cx = (static_cast<double>(shape.left) + shape.right) / 2.0;
    const double cy = (static_cast<double>(shape.top) + shape.bottom) / 2.0;
    const double rx = (static_cast<double>(shape.right) - shape.left) / 2.0;
    const double ry = (static_cast<double>(shape.bottom) - shape.top) / 2.0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        const double reach = 1.0 - dy * dy;
        if (reach < 0) continue;
        const double half = rx * std::sqrt(reach);
        // Pixel centres x + 0.5 within [cx - half, cx + half].
        const int x0 = std::max(rect.left, static_cast<int>(std::ceil(cx - half - 0.5)));
        const int x1 = std::min(rect.right, static_cast<int>(std::floor(cx + half - 0.5)) + 1);
        if (x1 > x0) std::fill_n(mask_.data() + static_cast<std::size_t>(y) * size_.width + x0, x1 - x0, value);
    }
    UpdateBox();
}

void Selection::SelectPolygon(Size picture, std::span<const Point> corners, std::uint8_t value)
{
    if (value == 0 || corners.size() < 3 || !Start(picture)) {
        Clear();
        return;
    }
    int minY = INT_MAX, maxY = INT_MIN;
    for (Point p : corners) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const int y0 = std::max(0, minY);
    const int y1 = std::min(size_.height, maxY + 1);
    std::vector<double> crossings;
    const std::size_t n = corners.size();
    for (int y = y0; y < y1; ++y) {
        const double yc = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < n; ++i) {
            const Point a = corners[i];
            const Point b = corners[(i + 1) % n];
            // Half-open in y, so a vertex shared by two edges counts once.
            if ((a.y <= yc) == (b.y <= yc)) continue;
            const double ax = a.x, ay = a.y, bx = b.x, by = b.y; // differences may not fit an int
            crossings.push_back(ax + (yc - ay) * (bx - ax) / (by - ay));
        }
        std::sort(crossings.begin(), crossings.end());
        std::uint8_t* row = mask_.data() + static_cast<std::size_t>(y) * size_.width;
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const double from = std::max(-1.0, std::ceil(crossings[i] - 0.5));
            const double to = std::min(static_cast<double>(size_.width), std::ceil(crossings[i + 1] - 0.5));
            const int xa = std::max(0, static_cast<int>(from));
            const int xb = static_cast<int>(to);
            if (xb > xa) std::fill_n(row + xa, xb - xa, value);
        }
    }
    UpdateBox();
}

void Selection::SelectMarks(Size picture, std::span<const std::uint8_t> marks, std::uint8_t value)
{
    const std::size_t count = static_cast<std::size_t>(std::max(0, picture.width)) * std::max(0, picture.height);
    if (value == 0 || marks.size() != count || !Start(picture)) {
        Clear();
        return;
    }
    for (std::size_t i = 0; i < count; ++i) mask_[i] = marks[i] ? value : 0;
    UpdateBox();
}

void Selection::SetIntensity(std::uint8_t value)
{
    if (IsEmpty()) return;
    for (int y = box_.top; y < box_.bottom; ++y) {
        std::uint8_t* row = mask_.data() + static_cast<std::size_t>(y) * size_.width;
        for (int x = box_.left; x < box_.right; ++x)
            if (row[x]) row[x] = value;
    }
    if (value == 0)
        Clear();
    else
        ++version_;
}

void Selection::Feather(double radius)
{
    if (IsEmpty() || !(radius > 0)) return;
    // Two box passes of half the radius make a tent of about `radius` each side.
    const double limit = std::max(size_.width, size_.height);
    const int r = std::max(1, static_cast<int>(std::lround(std::min(radius, limit) / 2)));
    const Rect area = Rect{box_.left - 2 * r, box_.top - 2 * r, box_.right + 2 * r, box_.bottom + 2 * r}.Intersected(
        Rect::FromSize(size_));
    std::vector<std::uint32_t> scratch;
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = area.top; y < area.bottom; ++y)
            BoxBlurLine(mask_.data() + static_cast<std::size_t>(y) * size_.width + area.left, area.Width(), 1, r, scratch);
        for (int x = area.left; x < area.right; ++x)
            BoxBlurLine(mask_.data() + static_cast<std::size_t>(area.top) * size_.width + x, area.Height(), size_.width,
                        r, scratch);
    }
    UpdateBox();
}

void Selection::Threshold(std::uint8_t level)
{
    if (IsEmpty()) return;
    for (int y = box_.top; y < box_.bottom; ++y) {
        std::uint8_t* row = mask_.data() + static_cast<std::size_t>(y) * size_.width;
        for (int x = box_.left; x < box_.right; ++x) row[x] = row[x] >= level ? 255 : 0;
    }
    UpdateBox();
}

void Selection::MatchPicture(Size picture)
{
    if (!IsEmpty() && picture != size_) Clear();
}

} // namespace ix::gfx
