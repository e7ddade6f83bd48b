#include "gfx/Painter.h"

#include "gfx/Resample.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace ix::gfx {

namespace {

std::uint8_t GreyOf(Color c) { return static_cast<std::uint8_t>((c.R() * 299 + c.G() * 587 + c.B() * 114 + 500) / 1000); }
Color GreyColor(std::uint8_t v) { return Color::FromRgb(v, v, v); }
Bgr NotXor(Bgr d, Bgr c)
{
    return {static_cast<std::uint8_t>(~(d.b ^ c.b)), static_cast<std::uint8_t>(~(d.g ^ c.g)),
            static_cast<std::uint8_t>(~(d.r ^ c.r))};
}

// floor(a / b) for b > 0.
long long FloorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

int NearestIndex(long long i, long long n, long long m)
{
    return static_cast<int>(std::min<long long>((2 * i + 1) * m / (2 * n), m - 1));
}

// Windows' cosmetic dash patterns: on/off run lengths in pixels.
struct DashPattern {
    int runs[6];
    int count;
    int period;
};
constexpr DashPattern kDash{{18, 6}, 2, 24};
constexpr DashPattern kDot{{3, 3}, 2, 6};
constexpr DashPattern kDashDot{{9, 6, 3, 6}, 4, 24};
constexpr DashPattern kDashDotDot{{9, 3, 3, 3, 3, 3}, 6, 24};

// A horizontal run [lo, hi) of one row; empty when lo >= hi.
struct Run {
    long long lo = 0;
    long long hi = 0;
    bool Empty() const { return lo >= hi; }
};

// The pixels of row y inside the ellipse inscribed in the half-open box.
Run EllipseRun(long long l, long long t, long long r, long long b, long long y)
{
    if (r <= l || b <= t || y < t || y >= b) return {};
    const double cx = (static_cast<double>(l) + static_cast<double>(r) - 1.0) / 2.0;
    const double cy = (static_cast<double>(t) + static_cast<double>(b) - 1.0) / 2.0;
    const double rx = (static_cast<double>(r) - static_cast<double>(l)) / 2.0;
    const double ry = (static_cast<double>(b) - static_cast<double>(t)) / 2.0;
    const double v = (static_cast<double>(y) - cy) / ry;
    const double q = 1.0 - v * v;
    if (q < 0.0) return {};
    const double dx = rx * std::sqrt(q);
    Run run{static_cast<long long>(std::ceil(cx - dx - 1e-9)), static_cast<long long>(std::floor(cx + dx + 1e-9)) + 1};
    run.lo = std::max(run.lo, l);
    run.hi = std::min(run.hi, r);
    return run;
}

} // namespace

bool BrushCovers(BrushStyle style, int x, int y)
{
    const int mx = x & 7;
    const int my = y & 7;
    switch (style) {
    case BrushStyle::Solid: return true;
    case BrushStyle::Clear: return false;
    case BrushStyle::Horizontal: return my == 0;
    case BrushStyle::Vertical: return mx == 0;
    case BrushStyle::FDiagonal: return ((x - y) & 7) == 0; // "\": down to the right
    case BrushStyle::BDiagonal: return ((x + y) & 7) == 0; // "/": up to the right
    case BrushStyle::Cross: return mx == 0 || my == 0;
    case BrushStyle::DiagCross: return ((x - y) & 7) == 0 || ((x + y) & 7) == 0;
    }
    return false;
}

bool DashOn(PenStyle style, long long i)
{
    const DashPattern* p = nullptr;
    switch (style) {
    case PenStyle::Solid: return true;
    case PenStyle::Dash: p = &kDash; break;
    case PenStyle::Dot: p = &kDot; break;
    case PenStyle::DashDot: p = &kDashDot; break;
    case PenStyle::DashDotDot: p = &kDashDotDot; break;
    }
    if (!p) return true;
    long long pos = i % p->period;
    if (pos < 0) pos += p->period;
    for (int k = 0; k < p->count; ++k) {
        if (pos < p->runs[k]) return k % 2 == 0;
        pos -= p->runs[k];
    }
    return false;
}

Painter::Painter(Picture& picture, PaintPlane plane) : picture_(&picture), plane_(plane)
{
    if (plane_ == PaintPlane::Alpha) picture_->EnsureAlpha(255);
}

void Painter::Put(int x, int y, Color c, bool copy)
{
    Picture& p = *picture_;
    if (x < 0 || y < 0 || x >= p.Width() || y >= p.Height()) return;
    if (plane_ == PaintPlane::Alpha) {
        if (!p.HasAlpha()) return;
        std::uint8_t& a = p.AlphaRow(y)[x];
        const std::uint8_t g = GreyOf(c);
        a = copy ? g : static_cast<std::uint8_t>(~(a ^ g));
    } else if (p.Format() == PixelFormat::Bgr24) {
        Bgr& d = p.BgrRow(y)[x];
        d = copy ? c.ToBgr() : NotXor(d, c.ToBgr());
    } else {
        p.SetPixel({x, y}, copy ? c : Color(~(p.GetPixel({x, y}).Value() ^ c.Value())));
    }
}

void Painter::PutSpan(int y, long long x0, long long x1, Color c, bool copy)
{
    Picture& p = *picture_;
    if (y < 0 || y >= p.Height()) return;
    const int lo = static_cast<int>(std::max<long long>(x0, 0));
    const int hi = static_cast<int>(std::min<long long>(x1, p.Width()));
    if (lo >= hi) return;
    if (copy && plane_ == PaintPlane::Color && p.Format() == PixelFormat::Bgr24) {
        std::fill(p.BgrRow(y) + lo, p.BgrRow(y) + hi, c.ToBgr());
        return;
    }
    for (int x = lo; x < hi; ++x) Put(x, y, c, copy);
}

void Painter::BrushSpan(int y, long long x0, long long x1)
{
    if (brush.style == BrushStyle::Clear) return;
    const bool copy = pen.mode == PenMode::Copy;
    if (brush.style == BrushStyle::Solid) {
        PutSpan(y, x0, x1, brush.color, copy);
        return;
    }
    const int lo = static_cast<int>(std::max<long long>(x0, 0));
    const int hi = static_cast<int>(std::min<long long>(x1, picture_->Width()));
    for (int x = lo; x < hi; ++x)
        if (BrushCovers(brush.style, x, y)) Put(x, y, brush.color, copy);
}

void Painter::ThinLine(Point a, Point b)
{
    const long long dx = static_cast<long long>(b.x) - a.x;
    const long long dy = static_cast<long long>(b.y) - a.y;
    const long long adx = dx < 0 ? -dx : dx;
    const long long ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const long long n = xMajor ? adx : ady; // steps; the end point is not drawn
    if (n == 0) return;
    if (n >= (1LL << 30)) {
        // Far-away end points would overflow the exact step arithmetic below: cut the
        // segment to a margin around the picture first (only such absurd lines move).
        const double margin = 4.0;
        double t0 = 0.0, t1 = 1.0;
        const double fx = static_cast<double>(dx), fy = static_cast<double>(dy);
        auto clip = [&](double p, double q) { // p·t <= q
            if (p == 0.0) return q >= 0.0;
            const double t = q / p;
            if (p < 0.0) t0 = std::max(t0, t);
            else t1 = std::min(t1, t);
            return t0 <= t1;
        };
        const bool visible = clip(-fx, a.x + margin) && clip(fx, picture_->Width() + margin - a.x) &&
                             clip(-fy, a.y + margin) && clip(fy, picture_->Height() + margin - a.y);
        if (!visible) return;
        const Point na{static_cast<int>(std::lround(a.x + t0 * fx)), static_cast<int>(std::lround(a.y + t0 * fy))};
        const Point nb{static_cast<int>(std::lround(a.x + t1 * fx)), static_cast<int>(std::lround(a.y + t1 * fy))};
        ThinLine(na, nb);
        return;
    }
    const long long minor = xMajor ? ady : adx;
    const int sMajor = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int sMinor = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const long long majorStart = xMajor ? a.x : a.y;
    const long long minorStart = xMajor ? a.y : a.x;
    const long long majorLimit = xMajor ? picture_->Width() : picture_->Height();
    const long long minorLimit = xMajor ? picture_->Height() : picture_->Width();

    // Steps whose major coordinate lies inside the picture.
    long long i0 = 0, i1 = n - 1;
    if (sMajor > 0) {
        i0 = std::max(i0, -majorStart);
        i1 = std::min(i1, majorLimit - 1 - majorStart);
    } else {
        i0 = std::max(i0, majorStart - (majorLimit - 1));
        i1 = std::min(i1, majorStart);
    }
    if (i0 > i1) return;
    // minor offset of step i: floor((2·i·minor + n) / 2n), kept incrementally.
    long long num = 2 * i0 * minor + n;
    long long off = FloorDiv(num, 2 * n);
    long long err = num - off * 2 * n;
    const bool copy = pen.mode == PenMode::Copy;
    const bool solid = pen.style == PenStyle::Solid;
    const bool fast = copy && plane_ == PaintPlane::Color && picture_->Format() == PixelFormat::Bgr24;
    const Bgr colour = pen.color.ToBgr();
    for (long long i = i0; i <= i1; ++i) {
        const long long mj = majorStart + sMajor * i;
        const long long mn = minorStart + sMinor * off;
        if (mn >= 0 && mn < minorLimit && (solid || DashOn(pen.style, i))) {
            const int x = static_cast<int>(xMajor ? mj : mn);
            const int y = static_cast<int>(xMajor ? mn : mj);
            if (fast) picture_->BgrRow(y)[x] = colour;
            else Put(x, y, pen.color, copy);
        }
        err += 2 * minor;
        if (err >= 2 * n) {
            err -= 2 * n;
            ++off;
        }
    }
}

void Painter::WideLine(Point a, Point b)
{
    const int w = pen.width;
    const double r = w / 2.0;
    const double shift = w % 2 == 0 ? -0.5 : 0.0; // an even band sits half a pixel up and left
    const double ax = a.x + shift, ay = a.y + shift, bx = b.x + shift, by = b.y + shift;
    const double dx = bx - ax, dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    const double len = std::sqrt(len2);
    const long long yTop = std::max<long long>(0, static_cast<long long>(std::floor(std::min(ay, by) - r)));
    const long long yEnd = std::min<long long>(picture_->Height(), static_cast<long long>(std::ceil(std::max(ay, by) + r)) + 1);
    const bool copy = pen.mode == PenMode::Copy;
    for (long long y = yTop; y < yEnd; ++y) {
        const double fy = static_cast<double>(y);
        double lo = INFINITY, hi = -INFINITY;
        auto unite = [&](double l, double h) {
            if (l < h) {
                lo = std::min(lo, l);
                hi = std::max(hi, h);
            }
        };
        for (auto [cx, cy] : {std::pair{ax, ay}, std::pair{bx, by}}) {
            const double v = fy - cy;
            if (std::fabs(v) < r) {
                const double h = std::sqrt(r * r - v * v);
                unite(cx - h, cx + h);
            }
        }
        if (len2 > 0.0) {
            // The band: |cross(d, P − A)| < r·len and 0 <= dot(d, P − A) <= len².
            double l = -INFINITY, h = INFINITY;
            const double c0 = dx * (fy - ay) + dy * ax;
            if (dy == 0.0) {
                if (std::fabs(dx * (fy - ay)) >= r * len) l = INFINITY;
            } else {
                const double e1 = (c0 - r * len) / dy, e2 = (c0 + r * len) / dy;
                l = std::max(l, std::min(e1, e2));
                h = std::min(h, std::max(e1, e2));
            }
            const double k = dy * (fy - ay);
            if (dx == 0.0) {
                if (k < 0.0 || k > len2) l = INFINITY;
            } else {
                const double e1 = ax - k / dx, e2 = ax + (len2 - k) / dx;
                l = std::max(l, std::min(e1, e2));
                h = std::min(h, std::max(e1, e2));
            }
            unite(l, h);
        }
        if (lo >= hi) continue;
        const double first = std::floor(lo) + 1.0;
        const double last = std::ceil(hi) - 1.0;
        if (first > last || first >= picture_->Width() || last < 0.0) continue;
        PutSpan(static_cast<int>(y), static_cast<long long>(std::max(first, 0.0)),
                static_cast<long long>(std::min(last, static_cast<double>(picture_->Width()))) + 1, pen.color, copy);
    }
}

void Painter::LineTo(Point p)
{
    if (pen.width <= 1) ThinLine(position_, p);
    else WideLine(position_, p);
    position_ = p;
}

void Painter::OutlinePixel(int x, int y, long long step)
{
    if (DashOn(pen.style, step)) Put(x, y, pen.color, pen.mode == PenMode::Copy);
}

void Painter::Figure(const Rect& corners, bool ellipse)
{
    const Rect box = corners.Normalized();
    if (box.IsEmpty()) return;
    const long long w = std::max(1, pen.width);
    const long long out = (w - 1) / 2;
    const long long ol = box.left - out, ot = box.top - out, orr = box.right + out, ob = box.bottom + out;
    const long long il = ol + w, it = ot + w, ir = orr - w, ib = ob - w;
    const bool innerExists = il < ir && it < ib;
    const bool dashed = w == 1 && pen.style != PenStyle::Solid;
    const bool copy = pen.mode == PenMode::Copy;

    // Position along the outline of a width-1 figure, for its dash pattern.
    const long long pw = orr - 1 - ol, ph = ob - 1 - ot;
    const double cx = (ol + orr - 1) / 2.0, cy = (ot + ob - 1) / 2.0;
    const double rx = (orr - ol) / 2.0, ry = (ob - ot) / 2.0;
    const double perimeter = std::numbers::pi * (3.0 * (rx + ry) - std::sqrt((3.0 * rx + ry) * (rx + 3.0 * ry)));
    auto step = [&](long long x, long long y) -> long long {
        if (ellipse) {
            double angle = std::atan2((y - cy) / ry, (x - cx) / rx);
            if (angle < 0.0) angle += 2.0 * std::numbers::pi;
            return static_cast<long long>(angle / (2.0 * std::numbers::pi) * perimeter);
        }
        if (y == ot) return x - ol;
        if (x == orr - 1) return pw + (y - ot);
        if (y == ob - 1) return pw + ph + (orr - 1 - x);
        return 2 * pw + ph + (ob - 1 - y);
    };

    const long long yTop = std::max<long long>(ot, 0);
    const long long yEnd = std::min<long long>(ob, picture_->Height());
    for (long long y = yTop; y < yEnd; ++y) {
        const Run outer = ellipse ? EllipseRun(ol, ot, orr, ob, y) : Run{ol, orr};
        Run inner;
        if (innerExists) inner = ellipse ? EllipseRun(il, it, ir, ib, y) : (y >= it && y < ib ? Run{il, ir} : Run{});
        if (outer.Empty()) continue;
        const int yi = static_cast<int>(y);
        auto pen_ = [&](long long x0, long long x1) {
            if (!dashed) {
                PutSpan(yi, x0, x1, pen.color, copy);
                return;
            }
            const long long lo = std::max<long long>(x0, 0), hi = std::min<long long>(x1, picture_->Width());
            for (long long x = lo; x < hi; ++x) OutlinePixel(static_cast<int>(x), yi, step(x, y));
        };
        if (inner.Empty()) {
            pen_(outer.lo, outer.hi);
            continue;
        }
        pen_(outer.lo, inner.lo);
        pen_(inner.hi, outer.hi);
        BrushSpan(yi, inner.lo, inner.hi);
    }
}

void Painter::Rectangle(const Rect& corners) { Figure(corners, false); }
void Painter::Ellipse(const Rect& corners) { Figure(corners, true); }

void Painter::FillRect(const Rect& corners)
{
    const Rect rect = corners.Normalized().Intersected(picture_->Bounds());
    for (int y = rect.top; y < rect.bottom; ++y) BrushSpan(y, rect.left, rect.right);
}

Color Painter::Pixel(Point p) const
{
    if (plane_ == PaintPlane::Alpha)
        return picture_->Bounds().Contains(p) ? GreyColor(picture_->GetAlpha(p)) : colors::Black;
    return picture_->GetPixel(p);
}

void Painter::SetPixel(Point p, Color c) { Put(p.x, p.y, c, true); }

void Painter::FloodFill(Point seed)
{
    if (brush.style == BrushStyle::Clear || !picture_->Bounds().Contains(seed)) return;
    if (plane_ == PaintPlane::Color && brush.style == BrushStyle::Solid && pen.mode == PenMode::Copy) {
        gfx::FloodFill(*picture_, seed, brush.color);
        return;
    }
    ForEachFillSpan(*picture_, seed, plane_, [this](int y, int x0, int x1) { BrushSpan(y, x0, x1); });
}

void Painter::CopyRect(const Rect& dest, const Picture& src, const Rect& srcRect)
{
    if (dest.IsEmpty() || srcRect.IsEmpty() || src.IsEmpty()) return;
    const Rect rect = dest.Intersected(picture_->Bounds());
    if (rect.IsEmpty()) return;
    const bool sameSize = dest.GetSize() == srcRect.GetSize();
    const bool rows = plane_ == PaintPlane::Color && picture_->Format() == PixelFormat::Bgr24 &&
                      src.Format() == PixelFormat::Bgr24;
    for (int y = rect.top; y < rect.bottom; ++y) {
        const long long sy = srcRect.top + (sameSize ? y - dest.top : NearestIndex(y - dest.top, dest.Height(), srcRect.Height()));
        if (sy < 0 || sy >= src.Height()) continue;
        if (rows && sameSize) {
            const long long sx0 = static_cast<long long>(srcRect.left) + (rect.left - dest.left);
            const long long lo = std::max<long long>(sx0, 0);
            const long long hi = std::min<long long>(sx0 + rect.Width(), src.Width());
            if (lo < hi)
                std::memcpy(picture_->BgrRow(y) + (rect.left + (lo - sx0)), src.BgrRow(static_cast<int>(sy)) + lo,
                            static_cast<std::size_t>(hi - lo) * sizeof(Bgr));
            continue;
        }
        for (int x = rect.left; x < rect.right; ++x) {
            const long long sx =
                srcRect.left + (sameSize ? x - dest.left : NearestIndex(x - dest.left, dest.Width(), srcRect.Width()));
            if (sx < 0 || sx >= src.Width()) continue;
            Put(x, y, src.GetPixel({static_cast<int>(sx), static_cast<int>(sy)}), true);
        }
    }
}

void Painter::Draw(Point at, const Picture& src) { CopyRect(Rect::FromSize(at, src.GetSize()), src, src.Bounds()); }

void Painter::DrawTransparent(Point at, const Picture& src)
{
    if (src.IsEmpty()) return;
    const Color key = src.GetPixel({0, src.Height() - 1});
    const Rect rect = Rect::FromSize(at, src.GetSize()).Intersected(picture_->Bounds());
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            const Color c = src.GetPixel({x - at.x, y - at.y});
            if (c != key) Put(x, y, c, true);
        }
}

void Painter::StretchDraw(const Rect& dest, const Picture& src)
{
    const Rect d = dest.Normalized();
    if (d.IsEmpty() || src.IsEmpty()) return;
    if (d.Width() >= src.Width() && d.Height() >= src.Height()) {
        // Enlarging repeats pixels; mapped on the fly, so a huge target costs no memory.
        CopyRect(d, src, src.Bounds());
        return;
    }
    const Picture scaled = Resampled(src, d.GetSize(), ResampleFilter::rfNearest);
    Draw(d.TopLeft(), scaled);
}

} // namespace ix::gfx
