// The view's own mouse behaviour: selections drawn with rubber bands, the magic wand, and
// moving, resizing and rotating layers. Only the left button starts a gesture; any
// button's release ends one, except a polygon, which lives across clicks until closed.
#include "gfx/view/ImageView.h"

#include "gfx/view/ViewRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace ix::gfx {

namespace {

// How near (in client pixels) a click must land to the polygon's first corner to close it.
constexpr int kCloseDistance = 4;

int GripSide(const GripStyle& g) { return std::clamp(g.size, 1, 64); }

// A pointer movement in picture pixels; bounded, so that a drag at a tiny zoom cannot
// throw a layer to coordinates its rectangle could not hold.
int PictureDelta(int from, int to, double factor)
{
    const double d = (static_cast<double>(to) - from) / factor;
    return static_cast<int>(std::lround(std::clamp(d, -double(1 << 24), double(1 << 24))));
}

int Middle(int a, int b) { return static_cast<int>((static_cast<std::int64_t>(a) + b) / 2); }

} // namespace

Point ImageView::BandPoint(Point client) const { return ScreenToPicture(client); }

Rect ImageView::LayerScreenRect(int layer) const
{
    const Layer& l = layers_.At(layer);
    const Point a = PictureToScreen({l.posX, l.posY});
    const Point b = PictureToScreen({l.posX + l.ShownWidth(), l.posY + l.ShownHeight()});
    return {a.x, a.y, b.x, b.y};
}

std::vector<Rect> ImageView::LayerGripRects(int layer) const
{
    const Rect r = LayerScreenRect(layer);
    const int s = GripSide(grips_);
    const int mx = Middle(r.left, r.right);
    const int my = Middle(r.top, r.bottom);
    const Point centres[8] = {{r.left, r.top},    {mx, r.top},         {r.right, r.top}, {r.right, my},
                              {r.right, r.bottom}, {mx, r.bottom}, {r.left, r.bottom}, {r.left, my}};
    std::vector<Rect> grips;
    for (Point c : centres) grips.push_back(Rect::FromSize({c.x - s / 2, c.y - s / 2}, {s, s}));
    return grips;
}

int ImageView::HitLayer(Point client) const
{
    for (int i = layers_.Count() - 1; i >= 0; --i) {
        const Layer& l = layers_.At(i);
        if (l.visible && LayerScreenRect(i).Contains(client)) return i;
    }
    return -1;
}

int ImageView::HitGrip(int layer, Point client) const
{
    const std::vector<Rect> grips = LayerGripRects(layer);
    for (int i = 0; i < static_cast<int>(grips.size()); ++i) {
        // Rotation uses the corner grips only.
        if (!(interact_ & miResizeLayers) && i % 2 == 1) continue;
        const Rect g = grips[static_cast<std::size_t>(i)];
        // A grip is easier to hit than it is drawn: two pixels of slack on every side.
        if (Rect{g.left - 2, g.top - 2, g.right + 2, g.bottom + 2}.Contains(client)) return i;
    }
    return -1;
}

void ImageView::SetMouseInteract(MouseInteract set)
{
    interact_ = set;
    if (band_.kind != ViewGesture::None || gestureLayer_ >= 0) {
        band_ = {};
        gestureLayer_ = -1;
    }
    OverlayChanged();
}

bool ImageView::MouseDown(MouseButton button, Point client)
{
    if (interact_ == miNone || button != MouseButton::Left) return false;
    const Point p = BandPoint(client);

    if (interact_ & miSelectPolygon) {
        if (band_.kind == ViewGesture::SelectPolygon && !band_.points.empty()) {
            const Point first = PictureToScreen(band_.points.front());
            const bool onFirst = std::abs(first.x - client.x) <= kCloseDistance &&
                                 std::abs(first.y - client.y) <= kCloseDistance;
            if (onFirst && band_.points.size() >= 3) {
                FinishBand(true);
                return true;
            }
            if (band_.points.back() != p) band_.points.push_back(p);
            band_.current = p;
        } else {
            selection_.Clear();
            band_ = {ViewGesture::SelectPolygon, {p}, p};
        }
        OverlayChanged();
        return true;
    }
    if (interact_ & miSelectMagicWand) {
        band_ = {};
        MagicWandSelect(p);
        return true;
    }
    if (interact_ & (miSelectLasso | miSelectCircle | miSelect)) {
        const ViewGesture kind = (interact_ & miSelectLasso)    ? ViewGesture::SelectLasso
                                 : (interact_ & miSelectCircle) ? ViewGesture::SelectEllipse
                                                                : ViewGesture::SelectRect;
        selection_.Clear();
        band_ = {kind, {p}, p};
        OverlayChanged();
        return true;
    }
    if (interact_ & miAnyLayer) {
        const int current = layers_.CurrentIndex();
        int grip = -1;
        if ((interact_ & (miResizeLayers | miRotateLayers)) && current > 0) grip = HitGrip(current, client);
        int layer = current;
        if (grip < 0) {
            layer = HitLayer(client);
            if (layer < 0) return false;
            layers_.SetCurrentIndex(layer);
        }
        const Layer& l = layers_.At(layer);
        gestureLayer_ = layer;
        gestureGrip_ = grip;
        pressClient_ = client;
        pressRect_ = l.ShownRect();
        pressRotation_ = l.rotation;
        if (grip >= 0)
            band_.kind = (interact_ & miResizeLayers) ? ViewGesture::ResizeLayer : ViewGesture::RotateLayer;
        else if ((interact_ & miMoveLayers) && layer > 0)
            band_.kind = ViewGesture::MoveLayer; // the background layer stays where it is
        else
            gestureLayer_ = -1;
        OverlayChanged();
        return true;
    }
    return false;
}

bool ImageView::MouseMove(Point client)
{
    switch (band_.kind) {
    case ViewGesture::None:
        return false;
    case ViewGesture::SelectRect:
    case ViewGesture::SelectEllipse:
    case ViewGesture::SelectPolygon:
        band_.current = BandPoint(client);
        break;
    case ViewGesture::SelectLasso: {
        const Point p = BandPoint(client);
        band_.current = p;
        if (band_.points.back() != p) band_.points.push_back(p);
        break;
    }
    case ViewGesture::MoveLayer:
        MoveLayerGesture(client);
        break;
    case ViewGesture::ResizeLayer:
        ResizeLayerGesture(client);
        break;
    case ViewGesture::RotateLayer:
        RotateLayerGesture(client);
        break;
    }
    OverlayChanged();
    return true;
}

bool ImageView::MouseUp(MouseButton, Point client)
{
    switch (band_.kind) {
    case ViewGesture::None:
        return false;
    case ViewGesture::SelectPolygon:
        return true; // the polygon goes on until closed
    case ViewGesture::SelectRect:
    case ViewGesture::SelectEllipse:
    case ViewGesture::SelectLasso:
        MouseMove(client);
        FinishBand(true);
        return true;
    default:
        MouseMove(client);
        band_ = {};
        gestureLayer_ = -1;
        OverlayChanged();
        return true;
    }
}

bool ImageView::DoubleClick(MouseButton button, Point client)
{
    if (button != MouseButton::Left || band_.kind != ViewGesture::SelectPolygon) return false;
    const Point p = BandPoint(client);
    if (band_.points.back() != p) band_.points.push_back(p);
    FinishBand(true);
    return true;
}

void ImageView::FinishBand(bool close)
{
    const RubberBand band = std::move(band_);
    band_ = {};
    if (!close) return;
    const Size size = BackgroundPicture().GetSize();
    const std::uint8_t value = maskDepth_ == 1 ? 255 : intensity_;
    switch (band.kind) {
    case ViewGesture::SelectRect:
        selection_.SelectRect(size, Rect{band.points[0].x, band.points[0].y, band.current.x, band.current.y}, value);
        break;
    case ViewGesture::SelectEllipse:
        selection_.SelectEllipse(size, Rect{band.points[0].x, band.points[0].y, band.current.x, band.current.y},
                                 value);
        break;
    case ViewGesture::SelectLasso:
    case ViewGesture::SelectPolygon:
        selection_.SelectPolygon(size, band.points, value);
        break;
    default:
        break;
    }
    OverlayChanged();
}

void ImageView::MoveLayerGesture(Point client)
{
    Layer& l = layers_.At(gestureLayer_);
    l.posX = std::clamp(pressRect_.left + PictureDelta(pressClient_.x, client.x, Factor()), -(1 << 24), 1 << 24);
    l.posY = std::clamp(pressRect_.top + PictureDelta(pressClient_.y, client.y, Factor()), -(1 << 24), 1 << 24);
}

void ImageView::ResizeLayerGesture(Point client)
{
    Layer& l = layers_.At(gestureLayer_);
    const int dx = PictureDelta(pressClient_.x, client.x, Factor());
    const int dy = PictureDelta(pressClient_.y, client.y, Factor());
    Rect r = pressRect_;
    // Grips 0..7 clockwise from the top-left corner; which edges each one drags.
    const bool left = gestureGrip_ == 0 || gestureGrip_ == 6 || gestureGrip_ == 7;
    const bool right = gestureGrip_ >= 2 && gestureGrip_ <= 4;
    const bool top = gestureGrip_ <= 2;
    const bool bottom = gestureGrip_ >= 4 && gestureGrip_ <= 6;
    // Edges stop one pixel before the opposite edge: a layer never turns inside out.
    if (left) r.left = std::min(r.left + dx, r.right - 1);
    if (right) r.right = std::max(r.right + dx, r.left + 1);
    if (top) r.top = std::min(r.top + dy, r.bottom - 1);
    if (bottom) r.bottom = std::max(r.bottom + dy, r.top + 1);
    l.posX = r.left;
    l.posY = r.top;
    l.displayWidth = r.Width();
    l.displayHeight = r.Height();
}

void ImageView::RotateLayerGesture(Point client)
{
    Layer& l = layers_.At(gestureLayer_);
    const Rect r = LayerScreenRect(gestureLayer_);
    const double cx = (static_cast<double>(r.left) + r.right) / 2.0;
    const double cy = (static_cast<double>(r.top) + r.bottom) / 2.0;
    const double a0 = std::atan2(pressClient_.y - cy, pressClient_.x - cx);
    const double a1 = std::atan2(client.y - cy, client.x - cx);
    // The screen's y axis points down, so a counter-clockwise turn lowers the angle.
    double degrees = pressRotation_ - (a1 - a0) * 180.0 / std::numbers::pi;
    degrees = std::fmod(degrees, 360.0);
    l.rotation = degrees;
}

} // namespace ix::gfx
