#include "gfx/view/ViewRenderer.h"

#include "gfx/view/ClientCanvas.h"
#include "gfx/view/ImageView.h"
#include "gfx/view/ViewScaler.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace ix::gfx {

namespace {

int FloorToInt(double v) { return static_cast<int>(std::clamp(std::floor(v), -1e9, 1e9)); }
int CeilToInt(double v) { return static_cast<int>(std::clamp(std::ceil(v), -1e9, 1e9)); }

// The client pixels that show any of the picture rectangle, one pixel wider for the
// reduction boxes that straddle its edge.
Rect ScreenRectOf(const Rect& picture, Point origin, double f)
{
    return {origin.x + FloorToInt(picture.left * f) - 1, origin.y + FloorToInt(picture.top * f) - 1,
            origin.x + CeilToInt(picture.right * f) + 1, origin.y + CeilToInt(picture.bottom * f) + 1};
}

} // namespace

void ViewRenderer::InvalidateCompositionRect(const Rect& pictureRect, const Layer* rotated)
{
    composer_.Invalidate(rotated ? LayerComposer::LayerRegion(*rotated) : pictureRect);
}

void ViewRenderer::UpdateClientCache(const ImageView& view, const std::vector<Rect>& changed)
{
    const Size client = view.ClientSize();
    BackdropLook look{client,
                      view.Background(),
                      view.BackgroundColor(),
                      StyleFramesPicture(view.Background()) ? view.PictureScreenRect() : Rect{},
                      view.WallpaperMode(),
                      view.Wallpaper().IsEmpty() ? 0 : wallpaperVersion_};
    if (!backdropValid_ || !(look == backdropLook_)) {
        PaintBackdrop(look, view.Wallpaper(), backdrop_);
        backdropLook_ = look;
        backdropValid_ = true;
        clientValid_ = false;
    }
    const ClientKey key{look, view.Origin(), view.Factor(), composer_.Area()};
    const ScaleTarget target{nullptr, backdrop_.data(), client};
    if (!clientValid_ || !(key == clientKey_)) {
        client_.resize(backdrop_.size());
        ScaleTarget t = target;
        t.pixels = client_.data();
        if (!composer_.Area().IsEmpty())
            ScaleComposition(composer_, key.origin, key.factor, Rect::FromSize(client), t);
        else
            client_ = backdrop_;
        clientKey_ = key;
        clientValid_ = true;
        return;
    }
    ScaleTarget t = target;
    t.pixels = client_.data();
    for (const Rect& r : changed) ScaleComposition(composer_, key.origin, key.factor, ScreenRectOf(r, key.origin, key.factor), t);
}

void ViewRenderer::Paint(const ImageView& view, Surface& target, const Rect& dest, const Rect& clip)
{
    composer_.Sync(view.Layers(), view.MinLayerSize());
    const std::vector<Rect> changed = composer_.Compose(view.Layers());
    UpdateClientCache(view, changed);

    const Size client = view.ClientSize();
    const Rect visible = clip.Intersected(dest).Translated(Point{} - dest.TopLeft()).Intersected(Rect::FromSize(client));
    ClientCanvas canvas(target, dest.TopLeft(), visible);
    const Rect rect = canvas.Clip();
    for (int y = rect.top; y < rect.bottom; ++y)
        std::memcpy(target.Row(y + dest.top) + rect.left + dest.left,
                    client_.data() + static_cast<std::size_t>(y) * client.width + rect.left,
                    static_cast<std::size_t>(rect.Width()) * 4);
    if (rect.IsEmpty()) return;
    DrawGrid(view, canvas);
    DrawLayerFrames(view, canvas);
    DrawSelection(view, canvas);
    DrawBand(view, canvas);
}

void ViewRenderer::DrawGrid(const ImageView& view, ClientCanvas& canvas) const
{
    if (!view.GridShown()) return;
    const Rect pic = view.PictureScreenRect();
    const Rect area = pic.Intersected(canvas.Clip());
    if (area.IsEmpty()) return;
    const std::uint32_t colour = ToArgb(view.GridColor());
    const Point origin = view.Origin();
    const double f = view.Factor();
    const Picture& p = view.BackgroundPicture();
    const int x0 = std::max(0, view.ScreenToPictureX(area.left)), x1 = std::min(p.Width(), view.ScreenToPictureX(area.right) + 1);
    for (int px = x0; px <= x1; ++px) {
        const int x = origin.x + FloorToInt(px * f);
        canvas.FillRect({x, area.top, x + 1, area.bottom}, colour);
    }
    const int y0 = std::max(0, view.ScreenToPictureY(area.top)), y1 = std::min(p.Height(), view.ScreenToPictureY(area.bottom) + 1);
    for (int py = y0; py <= y1; ++py) {
        const int y = origin.y + FloorToInt(py * f);
        canvas.FillRect({area.left, y, area.right, y + 1}, colour);
    }
}

void ViewRenderer::DrawLayerFrames(const ImageView& view, ClientCanvas& canvas) const
{
    const MouseInteract mi = view.Interaction();
    if (!(mi & miAnyLayer)) return;
    const Dash dash{ToArgb(view.OutlineColor1()), ToArgb(view.OutlineColor2())};
    const LayerStack& layers = view.Layers();
    for (int i = 1; i < layers.Count(); ++i) {
        const Layer& l = layers.At(i);
        if (!l.visible) continue;
        const Rect r = view.LayerScreenRect(i);
        if (l.rotation == 0.0) {
            canvas.FrameRect(r, dash);
            continue;
        }
        const double t = l.rotation * std::numbers::pi / 180.0;
        const double cx = (static_cast<double>(r.left) + r.right) / 2.0, cy = (static_cast<double>(r.top) + r.bottom) / 2.0;
        const double hx = (static_cast<double>(r.right) - r.left) / 2.0, hy = (static_cast<double>(r.bottom) - r.top) / 2.0;
        const double corners[4][2] = {{-hx, -hy}, {hx, -hy}, {hx, hy}, {-hx, hy}};
        std::vector<Point> poly;
        for (const auto& c : corners)
            poly.push_back({FloorToInt(cx + c[0] * std::cos(t) + c[1] * std::sin(t)),
                            FloorToInt(cy - c[0] * std::sin(t) + c[1] * std::cos(t))});
        canvas.Polyline(poly, true, dash);
    }
    const int current = layers.CurrentIndex();
    if (current == 0 || !(mi & (miResizeLayers | miRotateLayers))) return;
    const std::vector<Rect> grips = view.LayerGripRects(current);
    for (std::size_t g = 0; g < grips.size(); ++g) {
        if (!(mi & miResizeLayers) && g % 2 == 1) continue;
        const Rect& r = grips[g];
        canvas.Grip({r.left + r.Width() / 2, r.top + r.Height() / 2}, view.Grips());
    }
}

void ViewRenderer::TraceOutline(const ImageView& view)
{
    const Selection& sel = view.SelectionMask();
    const OutlineKey key{sel.Version(), view.Origin(), view.Factor(), view.ClientSize()};
    if (outlineValid_ && key == outlineKey_) return;
    outlineKey_ = key;
    outlineValid_ = true;
    outline_.clear();
    if (sel.IsEmpty()) return;
    const Rect box = sel.Box();
    const Rect client = Rect::FromSize(view.ClientSize());
    // Flags over the screen box one pixel wider than the client, so edges at the client
    // border are judged with their true neighbours.
    const Rect area = ScreenRectOf(box, key.origin, key.factor)
                          .Intersected({client.left - 1, client.top - 1, client.right + 1, client.bottom + 1});
    if (area.IsEmpty()) return;
    const int w = area.Width();
    std::vector<int> xmap(static_cast<std::size_t>(w));
    for (int i = 0; i < w; ++i) {
        const int px = view.ScreenToPictureX(area.left + i);
        xmap[static_cast<std::size_t>(i)] = px >= box.left && px < box.right ? px : -1;
    }
    const auto fillRow = [&](int y, std::vector<std::uint8_t>& flags) {
        std::fill(flags.begin(), flags.end(), std::uint8_t{0});
        if (y < area.top || y >= area.bottom) return;
        const int py = view.ScreenToPictureY(y);
        if (py < box.top || py >= box.bottom) return;
        const std::uint8_t* row = sel.Row(py);
        for (int i = 0; i < w; ++i) {
            const int px = xmap[static_cast<std::size_t>(i)];
            flags[static_cast<std::size_t>(i) + 1] = px >= 0 && row[px] != 0;
        }
    };
    std::vector<std::uint8_t> above(static_cast<std::size_t>(w) + 2), here(above.size()), below(above.size());
    fillRow(area.top - 1, above);
    fillRow(area.top, here);
    for (int y = area.top; y < area.bottom; ++y) {
        fillRow(y + 1, below);
        if (y >= client.top && y < client.bottom)
            for (int i = 0; i < w; ++i) {
                const std::size_t k = static_cast<std::size_t>(i) + 1;
                if (!here[k]) continue;
                if (here[k - 1] && here[k + 1] && above[k] && below[k]) continue;
                const int x = area.left + i;
                if (x >= client.left && x < client.right) outline_.push_back({x, y});
            }
        std::swap(above, here);
        std::swap(here, below);
    }
}

void ViewRenderer::DrawSelection(const ImageView& view, ClientCanvas& canvas)
{
    const ViewGesture g = view.Gesture();
    if (g == ViewGesture::SelectRect || g == ViewGesture::SelectEllipse || g == ViewGesture::SelectLasso ||
        g == ViewGesture::SelectPolygon)
        return;
    TraceOutline(view);
    if (outline_.empty() && view.SelectionMask().IsEmpty()) return;
    const Dash dash{ToArgb(view.OutlineColor1()), ToArgb(view.OutlineColor2())};
    for (Point p : outline_) canvas.SetDashed(p.x, p.y, dash);
    const Rect box = view.SelectionMask().Box();
    const Point a = view.PictureToScreen(box.TopLeft());
    const Point b = view.PictureToScreen({box.right, box.bottom});
    const int mx = static_cast<int>((static_cast<std::int64_t>(a.x) + b.x) / 2);
    const int my = static_cast<int>((static_cast<std::int64_t>(a.y) + b.y) / 2);
    const GripStyle& style = view.Grips();
    for (Point c : {Point{a.x, a.y}, Point{b.x - 1, a.y}, Point{b.x - 1, b.y - 1}, Point{a.x, b.y - 1}}) canvas.Grip(c, style);
    if (style.extended)
        for (Point c : {Point{mx, a.y}, Point{b.x - 1, my}, Point{mx, b.y - 1}, Point{a.x, my}}) canvas.Grip(c, style);
}

void ViewRenderer::DrawBand(const ImageView& view, ClientCanvas& canvas) const
{
    const RubberBand& band = view.Band();
    if (band.points.empty()) return;
    const Dash dash{ToArgb(view.OutlineColor1()), ToArgb(view.OutlineColor2())};
    std::vector<Point> screen;
    for (Point p : band.points) screen.push_back(view.PictureToScreen(p));
    const Point current = view.PictureToScreen(band.current);
    switch (band.kind) {
    case ViewGesture::SelectRect:
    case ViewGesture::SelectEllipse: {
        const Rect r = Rect{screen[0].x, screen[0].y, current.x, current.y}.Normalized();
        if (band.kind == ViewGesture::SelectRect)
            canvas.FrameRect(r, dash);
        else
            canvas.EllipseOutline(r, dash);
        break;
    }
    case ViewGesture::SelectLasso:
        canvas.Polyline(screen, false, dash);
        break;
    case ViewGesture::SelectPolygon:
        screen.push_back(current);
        canvas.Polyline(screen, false, dash);
        break;
    default:
        break;
    }
}

} // namespace ix::gfx
