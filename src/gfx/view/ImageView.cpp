#include "gfx/view/ImageView.h"

#include "gfx/GfxError.h"
#include "gfx/view/ViewRenderer.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace ix::gfx {

namespace {

// Screen values beyond this are clamped so that absurd zooms cannot overflow an int.
constexpr double kScreenLimit = 1 << 30;

int ClampToInt(double v)
{
    if (!(v > -kScreenLimit)) return static_cast<int>(-kScreenLimit);
    if (v > kScreenLimit) return static_cast<int>(kScreenLimit);
    return static_cast<int>(v);
}

} // namespace

ImageView::ImageView() : renderer_(std::make_unique<ViewRenderer>()) {}
ImageView::~ImageView() = default;

// ---------------------------------------------------------------- layers

void ImageView::InvalidateLayers()
{
    renderer_->InvalidateComposition();
    Update();
}

void ImageView::InvalidatePictureRect(int layer, const Rect& rect)
{
    if (layer < 0 || layer >= layers_.Count() || rect.IsEmpty()) return;
    const Layer& l = layers_.At(layer);
    const int pw = std::max(1, l.picture.Width());
    const int ph = std::max(1, l.picture.Height());
    // Layer picture pixels to layer-0 pixels, rounded outward.
    const double sx = static_cast<double>(l.ShownWidth()) / pw;
    const double sy = static_cast<double>(l.ShownHeight()) / ph;
    Rect area{l.posX + ClampToInt(std::floor(rect.left * sx)), l.posY + ClampToInt(std::floor(rect.top * sy)),
              l.posX + ClampToInt(std::ceil(rect.right * sx)), l.posY + ClampToInt(std::ceil(rect.bottom * sy))};
    if (l.rotation != 0.0) area = l.ShownRect(); // the rotated layer's box covers every rotated pixel
    renderer_->InvalidateCompositionRect(area, l.rotation != 0.0 ? &l : nullptr);
    // The screen rectangle of the change, one pixel wider for rounding.
    const Point a = PictureToScreen(area.TopLeft());
    const Point b = PictureToScreen({area.right, area.bottom});
    Rect screen = Rect{a.x - 1, a.y - 1, b.x + 2, b.y + 2};
    if (l.rotation != 0.0) screen = Rect::FromSize(client_);
    InvalidateRect(screen);
}

void ImageView::SetMinLayerSize(int size)
{
    if (size == minLayerSize_) return;
    minLayerSize_ = size;
    renderer_->InvalidateComposition();
    Invalidate();
}

// ---------------------------------------------------------------- placement

Size ImageView::PictureExtent() const
{
    const Picture& p = BackgroundPicture();
    const double f = Factor();
    return {ClampToInt(p.Width() * f), ClampToInt(p.Height() * f)};
}

Size ImageView::ScrollRange() const
{
    const Size e = PictureExtent();
    return {std::max(0, e.width - client_.width), std::max(0, e.height - client_.height)};
}

Point ImageView::Origin() const
{
    const Size e = PictureExtent();
    const int ox = centered_ && e.width < client_.width ? (client_.width - e.width) / 2 : 0;
    const int oy = centered_ && e.height < client_.height ? (client_.height - e.height) / 2 : 0;
    return {ox - viewX_, oy - viewY_};
}

Rect ImageView::PictureScreenRect() const { return Rect::FromSize(Origin(), PictureExtent()); }

void ImageView::SetClientSize(Size size)
{
    size = {std::clamp(size.width, 0, Surface::kMaxSide), std::clamp(size.height, 0, Surface::kMaxSide)};
    if (size == client_) return;
    client_ = size;
    if (autoFit_)
        Fit();
    else
        SetPlacement(zoom_, viewX_, viewY_);
    Invalidate();
}

void ImageView::SetPlacement(double zoom, double viewX, double viewY)
{
    const bool zoomChanged = zoom != zoom_;
    zoom_ = zoom;
    const Size range = ScrollRange();
    const int x = ClampToInt(std::clamp(std::round(viewX), 0.0, static_cast<double>(range.width)));
    const int y = ClampToInt(std::clamp(std::round(viewY), 0.0, static_cast<double>(range.height)));
    const bool moved = x != viewX_ || y != viewY_;
    viewX_ = x;
    viewY_ = y;
    if (zoomChanged || moved) ViewChanged();
}

void ImageView::SetZoom(double percent) { ZoomAt(percent, {client_.width / 2, client_.height / 2}); }

void ImageView::ZoomAt(double percent, Point client)
{
    if (!(percent > 0) || !std::isfinite(percent)) return;
    const Point origin = Origin();
    const double f = Factor();
    const double px = (client.x - origin.x) / f;
    const double py = (client.y - origin.y) / f;
    const double nf = percent / 100.0;
    SetPlacement(percent, px * nf - client.x, py * nf - client.y);
}

void ImageView::SetViewXY(int x, int y) { SetPlacement(zoom_, x, y); }

void ImageView::SetCentered(bool on)
{
    if (on == centered_) return;
    centered_ = on;
    ViewChanged();
}

void ImageView::SetAutoFit(bool on)
{
    autoFit_ = on;
    if (on) Fit();
}

void ImageView::Fit()
{
    const Picture& p = BackgroundPicture();
    if (p.IsEmpty() || client_.IsEmpty()) return;
    const double f = std::min(static_cast<double>(client_.width) / p.Width(), static_cast<double>(client_.height) / p.Height());
    SetPlacement(f * 100.0, 0, 0);
}

void ImageView::ViewChanged()
{
    Invalidate();
    if (onViewChange_) onViewChange_();
}

// ---------------------------------------------------------------- conversions

int ImageView::ScreenToPictureX(int x) const
{
    return ClampToInt(std::floor((static_cast<double>(x) - Origin().x) / Factor()));
}

int ImageView::ScreenToPictureY(int y) const
{
    return ClampToInt(std::floor((static_cast<double>(y) - Origin().y) / Factor()));
}

Point ImageView::PictureToScreen(Point picture) const
{
    const Point o = Origin();
    const double f = Factor();
    return {ClampToInt(o.x + std::floor(picture.x * f)), ClampToInt(o.y + std::floor(picture.y * f))};
}

Point ImageView::LayerScreenToPicture(int layer, Point client) const
{
    const Layer& l = layers_.At(layer);
    const double f = Factor();
    const auto axis = [&](int c, int pos, int shown, int own, bool horizontal) {
        const int offset = ClampToInt(std::trunc(pos * f));
        const int v = horizontal ? ScreenToPictureX(c - offset) : ScreenToPictureY(c - offset);
        const int display = shown > 0 ? shown : own;
        if (display == 0) return 0;
        return ClampToInt(std::trunc(static_cast<double>(v) * own / display));
    };
    return {axis(client.x, l.posX, l.displayWidth, l.picture.Width(), true),
            axis(client.y, l.posY, l.displayHeight, l.picture.Height(), false)};
}

// ---------------------------------------------------------------- look

void ImageView::SetBackgroundColor(Color c)
{
    if (c == backgroundColor_) return;
    backgroundColor_ = c;
    Invalidate();
}

void ImageView::SetBackgroundStyle(BackgroundStyle style)
{
    if (style == backgroundStyle_) return;
    backgroundStyle_ = style;
    Invalidate();
}

void ImageView::SetWallpaper(Picture picture)
{
    wallpaper_ = std::move(picture);
    renderer_->InvalidateBackdrop();
    Invalidate();
}

void ImageView::SetWallpaperStyle(WallpaperStyle style)
{
    if (style == wallpaperStyle_) return;
    wallpaperStyle_ = style;
    Invalidate();
}

void ImageView::SetGridVisible(bool on)
{
    if (on == grid_) return;
    grid_ = on;
    Invalidate();
}

void ImageView::SetGridColor(Color c)
{
    gridColor_ = c;
    if (GridShown()) Invalidate();
}

void ImageView::SetCursor(int id) { cursor_ = id; }

// ---------------------------------------------------------------- selection

SelectionBounds ImageView::SelectedBounds() const
{
    switch (band_.kind) {
    case ViewGesture::SelectRect:
    case ViewGesture::SelectEllipse:
        if (!band_.points.empty()) {
            const Point a = band_.points.front();
            const Point b = band_.current;
            return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
        }
        break;
    case ViewGesture::SelectLasso:
    case ViewGesture::SelectPolygon: {
        if (band_.points.empty()) break;
        SelectionBounds b{band_.current.x, band_.current.y, band_.current.x, band_.current.y};
        if (band_.kind == ViewGesture::SelectLasso) b = {band_.points[0].x, band_.points[0].y, band_.points[0].x, band_.points[0].y};
        for (Point p : band_.points) {
            b.x1 = std::min(b.x1, p.x);
            b.y1 = std::min(b.y1, p.y);
            b.x2 = std::max(b.x2, p.x);
            b.y2 = std::max(b.y2, p.y);
        }
        return b;
    }
    default:
        break;
    }
    return selection_.Bounds();
}

void ImageView::SetSelectionMaskDepth(int bits)
{
    if (bits != 1 && bits != 8) return;
    maskDepth_ = bits;
}

void ImageView::SetSelectionIntensity(int value)
{
    intensity_ = static_cast<std::uint8_t>(value & 0xFF);
    if (!selection_.IsEmpty()) {
        // A 1-bit mask knows only selected (255) and not selected.
        selection_.SetIntensity(maskDepth_ == 1 && intensity_ ? 255 : intensity_);
        OverlayChanged();
    }
}

void ImageView::Select(const Rect& rect)
{
    band_ = {};
    Rect r = rect.Normalized();
    if (selectionBase_ == SelectionBase::ClientArea) {
        const Point a = ScreenToPicture(r.TopLeft());
        const Point b = ScreenToPicture({r.right, r.bottom});
        r = {a.x, a.y, b.x, b.y};
    }
    // A 1-bit mask knows only selected and not selected.
    selection_.SelectRect(BackgroundPicture().GetSize(), r, maskDepth_ == 1 ? 255 : intensity_);
    OverlayChanged();
}

void ImageView::Deselect()
{
    band_ = {};
    gestureLayer_ = -1;
    selection_.Clear();
    OverlayChanged();
}

void ImageView::FeatherSelection(double radius)
{
    if (selection_.IsEmpty()) return;
    selection_.Feather(radius);
    // With a 1-bit mask feathering can only round the shape: keep what is at least half selected.
    if (maskDepth_ == 1) selection_.Threshold(128);
    OverlayChanged();
}

void ImageView::MagicWandSelect(Point picture)
{
    const Layer& layer = layers_.Current();
    const Point seed{picture.x - layer.posX, picture.y - layer.posY};
    std::vector<std::uint8_t> marks = MagicWandMarks(layer.picture, seed, wandTolerance_, wandMode_);
    const Size size = BackgroundPicture().GetSize();
    const std::uint8_t value = maskDepth_ == 1 ? 255 : intensity_;
    if (marks.empty()) {
        selection_.Clear();
    } else if (layer.posX == 0 && layer.posY == 0 && layer.picture.GetSize() == size) {
        selection_.SelectMarks(size, marks, value);
    } else {
        // The current layer lies elsewhere on the picture: carry its marks over.
        std::vector<std::uint8_t> placed(static_cast<std::size_t>(size.width) * size.height, 0);
        const Rect rect = layer.ShownRect().Intersected(Rect::FromSize(size));
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x) {
                const int lx = x - layer.posX, ly = y - layer.posY;
                if (lx < layer.picture.Width() && ly < layer.picture.Height())
                    placed[static_cast<std::size_t>(y) * size.width + x] =
                        marks[static_cast<std::size_t>(ly) * layer.picture.Width() + lx];
            }
        selection_.SelectMarks(size, placed, value);
    }
    OverlayChanged();
}

void ImageView::SetGripStyle(const GripStyle& style)
{
    grips_ = style;
    OverlayChanged();
}

void ImageView::SetOutlineColors(Color first, Color second)
{
    outline1_ = first;
    outline2_ = second;
    OverlayChanged();
}

void ImageView::OverlayChanged()
{
    renderer_->InvalidateOverlay();
    Invalidate();
}

// ---------------------------------------------------------------- repainting

void ImageView::Invalidate() { InvalidateRect(Rect::FromSize(client_)); }

void ImageView::InvalidateRect(const Rect& client)
{
    const Rect rect = client.Intersected(Rect::FromSize(client_));
    if (rect.IsEmpty()) return;
    dirty_ = dirty_.United(rect);
    if (onRepaint_) onRepaint_(rect, false);
}

void ImageView::Refresh()
{
    Invalidate();
    if (onRepaint_) onRepaint_(Rect::FromSize(client_), true);
}

Rect ImageView::TakeDirtyRect()
{
    const Rect r = dirty_;
    dirty_ = {};
    return r;
}

void ImageView::Paint(Surface& target, const Rect& dest, const Rect& clip)
{
    try {
        Update();
        renderer_->Paint(*this, target, dest, clip);
    } catch (const std::exception&) {
        // A picture too large to compose shows as the bare background rather than failing
        // the host's paint.
        const Rect client = Rect::FromSize(dest.TopLeft(), client_);
        target.FillRect(clip.Intersected(dest).Intersected(client), ToArgb(backgroundColor_));
    }
}

void ImageView::Update()
{
    const Size size = BackgroundPicture().GetSize();
    if (size == knownPicture_) return;
    knownPicture_ = size;
    selection_.MatchPicture(size);
    if (band_.kind != ViewGesture::None) band_ = {};
    if (autoFit_)
        Fit();
    else
        SetPlacement(zoom_, viewX_, viewY_);
    renderer_->InvalidateOverlay();
    Invalidate();
}

} // namespace ix::gfx
