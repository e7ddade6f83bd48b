#include "actions/SelectionPicture.h"

#include "gfx/Painter.h"

namespace ix::actions {

namespace {

std::uint8_t Mix(std::uint8_t front, std::uint8_t back, unsigned weight)
{
    return static_cast<std::uint8_t>((front * weight + back * (255u - weight) + 127u) / 255u);
}

gfx::Color Mix(gfx::Color front, gfx::Color back, unsigned weight)
{
    if (weight >= 255) return front;
    if (weight == 0) return back;
    return gfx::Color::FromRgb(Mix(front.R(), back.R(), weight), Mix(front.G(), back.G(), weight),
                               Mix(front.B(), back.B(), weight));
}

} // namespace

gfx::Picture SelectedPicture(gfx::ImageView& view, gfx::Color background)
{
    const gfx::Layer& layer = view.CurrentLayer();
    if (!view.HasSelection()) return layer.picture;

    const gfx::Selection& selection = view.SelectionMask();
    const gfx::Rect box = selection.Box();
    gfx::Picture out(box.GetSize(), background);
    out.SetDpi(layer.picture.DpiX(), layer.picture.DpiY());
    const gfx::Rect onLayer = layer.picture.Bounds();
    const bool alpha = layer.picture.HasAlpha();
    if (alpha) out.EnsureAlpha(255);

    for (int y = box.top; y < box.bottom; ++y) {
        const std::uint8_t* mask = selection.Row(y);
        for (int x = box.left; x < box.right; ++x) {
            const unsigned m = mask[x];
            const gfx::Point at{x - layer.posX, y - layer.posY};
            if (m == 0 || !onLayer.Contains(at)) continue;
            const gfx::Point to{x - box.left, y - box.top};
            out.SetPixel(to, Mix(layer.picture.GetPixel(at), background, m));
            if (alpha) out.SetAlpha(to, Mix(layer.picture.GetAlpha(at), 255, m));
        }
    }
    return out;
}

void PasteIntoSelection(gfx::ImageView& view, const gfx::Picture& source, bool useAlpha)
{
    if (!view.HasSelection() || source.IsEmpty()) return;
    const gfx::Selection& selection = view.SelectionMask();
    const gfx::Rect box = selection.Box();

    gfx::Picture stretched(box.GetSize());
    gfx::Painter(stretched).StretchDraw(stretched.Bounds(), source);
    const bool alpha = useAlpha && source.HasAlpha();
    gfx::Picture alphaPlane;
    if (alpha) {
        // The stretch above carries colour only; the alpha plane is stretched alike.
        gfx::Picture plane(source.GetSize());
        for (int y = 0; y < source.Height(); ++y)
            for (int x = 0; x < source.Width(); ++x) {
                const std::uint8_t a = source.GetAlpha({x, y});
                plane.SetPixel({x, y}, gfx::Color::FromRgb(a, a, a));
            }
        alphaPlane = gfx::Picture(box.GetSize());
        gfx::Painter(alphaPlane).StretchDraw(alphaPlane.Bounds(), plane);
    }

    gfx::Layer& layer = view.CurrentLayer();
    const gfx::Rect onLayer = layer.picture.Bounds();
    for (int y = box.top; y < box.bottom; ++y) {
        const std::uint8_t* mask = selection.Row(y);
        for (int x = box.left; x < box.right; ++x) {
            unsigned m = mask[x];
            const gfx::Point at{x - layer.posX, y - layer.posY};
            if (m == 0 || !onLayer.Contains(at)) continue;
            const gfx::Point from{x - box.left, y - box.top};
            if (alpha) m = (m * alphaPlane.GetPixel(from).R() + 127u) / 255u;
            layer.picture.SetPixel(at, Mix(stretched.GetPixel(from), layer.picture.GetPixel(at), m));
        }
    }
    view.InvalidateLayers();
}

} // namespace ix::actions
