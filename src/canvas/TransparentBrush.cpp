// The transparent brush: a shaped, coloured, partly transparent stamp in a brush layer
// on top of the view that follows the pointer and, while the button is held, is blended
// into the layer that was current at the press.
//
// The brush layer is always a layer of its own, added at the press on top of the others
// and removed at the release, so a picture with several layers loses none of them; with
// a single layer this is layer 1 over the background, stamping into layer 0.
#include "actions/readings.h"
#include "canvas/GestureState.h"
#include "canvas/UnitFORM.h"
#include "gfx/Compose.h"
#include "gfx/Painter.h"

#include <algorithm>

namespace ix::canvas {

namespace {

bool AntiAliasOn(const TImageForm& form)
{
    return actions::ReadBoolean(form.Setting(State::BrushTransparentAntiAlias)) == true;
}

void DrawShape(gfx::Painter& painter, const std::string& shape, int s)
{
    // The box reaches one pixel past the picture on the right and bottom: the rectangle
    // covers the picture, the ellipse is a disc of diameter s + 1 cut by the picture.
    const gfx::Rect box{0, 0, s + 1, s + 1};
    if (shape == "Rectangle")
        painter.Rectangle(box);
    else if (shape == "Circle")
        painter.Ellipse(box);
}

} // namespace

void TImageForm::CreateBrush(int X, int Y)
{
    GestureState& gesture = TheGestureState();
    gfx::LayerStack& layers = MainView().Layers();
    // A brush layer left behind by a stroke that lost its release (the tool changed
    // during the gesture) is taken again while it is still the top layer.
    const bool reuse = gesture.brushCanvas == this && gesture.brushLayer == layers.Count() - 1 &&
                       gesture.brushLayer >= 1 && gesture.brushTargetLayer >= 0 &&
                       gesture.brushTargetLayer < gesture.brushLayer;
    if (!reuse) {
        gesture.brushCanvas = this;
        gesture.brushTargetLayer = layers.CurrentIndex();
        gesture.brushLayer = layers.Add(gfx::Layer{});
    }
    layers.SetCurrentIndex(gesture.brushLayer);
    gfx::Layer& brush = layers.At(gesture.brushLayer);
    brush.posX = brush.posY = 0;
    brush.displayWidth = brush.displayHeight = 0;

    std::int64_t s = actions::ReadIntegerOr(Setting(State::BrushTransparentBrushSize), 1);
    if (s == 1) SetSetting(State::BrushTransparentAntiAlias, "false");
    if (AntiAliasOn(*this)) s = 2 * s;
    if (s < 0 || s > gfx::Picture::kMaxSide) throw gfx::GfxError("brush size out of range");
    const int side = static_cast<int>(s);
    brush.picture = gfx::Picture({side, side}, gfx::colors::White);

    if (const std::string& text = Setting(State::BrushTransparentBrushColor); !text.empty()) {
        if (const auto colour = actions::TryReadColor(text)) brushOutline_ = brushFill_ = *colour;
    } else {
        brushOutline_ = brushFill_ = gfx::colors::Black;
    }

    brush.picture.EnsureAlpha(0);
    for (int y = 0; y < side; ++y) std::fill_n(brush.picture.AlphaRow(y), side, std::uint8_t{0});
    const int t = std::clamp(actions::ReadIntegerOr(Setting(State::BrushTransparentTransParent), 255), 0, 255);

    const std::string& shape = Setting(State::BrushTransparentFormBrush);
    gfx::Painter colour(brush.picture);
    colour.pen.color = brushOutline_;
    colour.brush.color = brushFill_;
    DrawShape(colour, shape, side);
    gfx::Painter alpha(brush.picture, gfx::PaintPlane::Alpha);
    alpha.pen.color = alpha.brush.color = gfx::Color::FromRgb(t, t, t);
    DrawShape(alpha, shape, side);
    RefreshView(gesture.brushLayer, brush.picture.Bounds());

    // As a pointer move to the press point: reported, and stamped there since the press
    // holds the capture. (Placing it under the view's top-left corner instead would leave
    // a stray dab there at every press.)
    ImageEnView1MouseMove(X, Y);
}

void TImageForm::TransparentBrushMove(int X, int Y)
{
    const gfx::BlendOp op =
        gfx::BlendOpByName(Setting(State::BrushTransparentBrushStyle)).value_or(gfx::BlendOp::Normal);
    const GestureState& gesture = TheGestureState();
    gfx::LayerStack& layers = MainView().Layers();
    if (gesture.brushCanvas != this || gesture.brushLayer < 1 || gesture.brushLayer != layers.Count() - 1 ||
        gesture.brushTargetLayer < 0 || gesture.brushTargetLayer >= gesture.brushLayer)
        return;

    gfx::Layer& brush = layers.At(gesture.brushLayer);
    const int w = brush.picture.Width();
    const int h = brush.picture.Height();
    const bool antiAlias = AntiAliasOn(*this);
    if (antiAlias) {
        brush.displayWidth = w / 2;
        brush.displayHeight = h / 2;
    }
    const gfx::Point pointer = MainView().ScreenToPicture({X, Y});
    brush.posX = pointer.x - brush.ShownWidth() / 2;
    brush.posY = pointer.y - brush.ShownHeight() / 2;

    if (MainViewHasCapture()) {
        gfx::Layer& target = layers.At(gesture.brushTargetLayer);
        const gfx::Point at{brush.posX - target.posX, brush.posY - target.posY};
        gfx::DrawOptions options;
        options.blend = op;
        options.transparency = 255;
        options.filter = antiAlias ? gfx::ResampleFilter::rfFastLinear : gfx::ResampleFilter::rfNone;
        const gfx::Size size = antiAlias ? gfx::Size{w / 2, h / 2} : gfx::Size{w, h};
        gfx::DrawPicture(target.picture, gfx::Rect::FromSize(at, size), brush.picture, options);
        gfx::MergeAlphaRect(target.picture, at, brush.picture);
        RefreshView(gesture.brushTargetLayer, gfx::Rect::FromSize(at, {w, h}));
    }
    // The brush layer's new place shows by itself.
    MainView().Invalidate();
}

void TImageForm::TransparentBrushRelease()
{
    GestureState& gesture = TheGestureState();
    gfx::LayerStack& layers = MainView().Layers();
    if (gesture.brushCanvas == this && gesture.brushLayer >= 1 && gesture.brushLayer < layers.Count()) {
        const int target = gesture.brushTargetLayer;
        layers.Remove(gesture.brushLayer);
        if (target >= 0 && target < layers.Count()) layers.SetCurrentIndex(target);
        MainView().InvalidateLayers();
    }
    gesture.brushCanvas = nullptr;
    gesture.brushLayer = gesture.brushTargetLayer = -1;
    RefreshView();
}

} // namespace ix::canvas
