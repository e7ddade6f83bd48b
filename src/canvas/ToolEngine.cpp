// The tool engine: what the main view's mouse handlers draw for each tool code.
#include "actions/readings.h"
#include "boundary/HostSlots.h"
#include "canvas/ArtBrush.h"
#include "canvas/GestureState.h"
#include "canvas/SprayAt.h"
#include "canvas/UnitFORM.h"
#include "canvas/ViewProcessor.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace ix::canvas {

namespace {

// The tools a left press starts, in the order they are compared, with the gesture mode
// text each press sets.
constexpr std::array<std::pair<std::string_view, std::string_view>, 19> kPressTools = {{
    {"PEN", "mousepen"},
    {"BRUSH", "mousebrush"},
    {"ERASER", "mouseeraser"},
    {"PIXEL", "mousepixel"},
    {"GET_COLOR_PIXEL", "mousegetpixel"},
    {"LINE", "mouseline"},
    {"RECTANGLE", "mouserectangle"},
    {"CIRCLE", "mousecircle"},
    {"FILL", "mousefill"},
    {"AERO", "mouseaero"},
    {"BRUSH_BLUR", "mousebrushblur"},
    {"BRUSH_FLOW", "mousebrushflow"},
    {"BRUSH_SLEEK", "mousebrushsleek"},
    {"BRUSH_EYE", "mousebrusheye"},
    {"BRUSH_GLOW", "mousebrushglow"},
    {"BRUSH_DARK", "mousebrushdark"},
    {"BRUSH_SATE", "mousebrushsate"},
    {"BRUSH_GRADIENT", "mousebrushgradient"},
    {"BRUSHTRANSPARENT", "mousebrushtransparent"},
}};

// The mode text a press of `tool` sets; empty for tools a press does not start.
std::string_view ModeOf(std::string_view tool)
{
    for (const auto& [code, mode] : kPressTools)
        if (code == tool) return mode;
    return {};
}

// Whether the gesture that runs now was started by a left press of `tool`.
bool Running(std::string_view tool)
{
    const std::string_view mode = ModeOf(tool);
    return !mode.empty() && TheGestureState().mode == mode;
}

constexpr gfx::Color kEraserColor = gfx::Color::FromRgb(224, 224, 224);

// The artistic brushes' settings: the size always, the pressure only for the brushes
// that have one (the smoothing and gradient brushes may have none stored).
ArtBrushSettings ArtSettings(const TImageForm& form, ArtBrushKind kind)
{
    ArtBrushSettings s;
    s.size = actions::ReadInteger(form.Setting(State::BrushBlurSize));
    if (kind != ArtBrushKind::Sleek && kind != ArtBrushKind::Gradient)
        s.pressure = actions::ReadInteger(form.Setting(State::BrushBlurPress));
    return s;
}

} // namespace

gfx::Point TImageForm::PointerToBitmap(int x, int y) const
{
    const gfx::ImageView& view = MainView();
    if (view.Layers().Count() > 1) return view.LayerScreenToPicture(view.Layers().CurrentIndex(), {x, y});
    return view.ScreenToPicture({x, y});
}

void TImageForm::MakeColorTransparent()
{
    const gfx::Color colour = TheGestureState().transparentColor;
    SetTransparentColors(MainView(), colour, colour, actions::ReadIntegerOr(Setting(State::TransparentNumber), 0));
}

void TImageForm::RefreshView()
{
    mainView_->InvalidateLayers();
    mainView_->Refresh();
}

void TImageForm::RefreshView(int layer, const gfx::Rect& changed)
{
    // Only the changed part is composed and painted again, so that a stroke keeps up
    // with the mouse on a large picture.
    mainView_->InvalidatePictureRect(layer, changed);
}

void TImageForm::ImageEnView1MouseDown(ui::MouseButton button, int X, int Y)
{
    const gfx::Point at = PointerToBitmap(X, Y);
    if (button != ui::MouseButton::Left) return;
    const std::string tool = Setting(State::Tools);
    const std::string_view mode = ModeOf(tool);
    if (mode.empty()) return;
    MainView().SetMouseInteract(gfx::miNone);
    TheGestureState().mode = std::string(mode);
    ToolPress(tool, X, Y, at);
}

void TImageForm::ToolPress(const std::string& tool, int X, int Y, gfx::Point at)
{
    GestureState& gesture = TheGestureState();
    if (tool == "PEN" || tool == "BRUSH" || tool == "ERASER") {
        gfx::Painter painter = surface_.PainterOn(SurfacePicture());
        painter.MoveTo(at);
        painter.LineTo(at);
        surface_.position = painter.Position();
        RefreshView();
        if (tool == "ERASER") {
            gesture.transparentColor = kEraserColor;
            MakeColorTransparent();
            RefreshView();
        }
    } else if (tool == "PIXEL") {
        if (const auto colour = actions::TryReadColor(Setting(State::PixelSetColor)))
            surface_.PainterOn(SurfacePicture()).SetPixel(at, *colour);
        RefreshView();
    } else if (tool == "GET_COLOR_PIXEL") {
        const std::string variable = Setting(State::PixelGetColor);
        if (variable.empty()) return;
        const std::string sub = Setting(State::SubPipette);
        const gfx::Color picked = surface_.PainterOn(SurfacePicture()).Pixel(at);
        boundary::SetHostVariable(variable, actions::ColorText(picked));
        if (!sub.empty()) boundary::RunSubroutine(sub);
    } else if (tool == "LINE") {
        surface_.pen.mode = gfx::PenMode::NotXor;
        gesture.start = gesture.lineEnd = MainView().ScreenToPicture({X, Y});
    } else if (tool == "RECTANGLE" || tool == "CIRCLE") {
        gesture.start = gesture.shapeEnd = MainView().ScreenToPicture({X, Y});
    } else if (tool == "FILL") {
        surface_.PainterOn(SurfacePicture()).FloodFill(at);
        RefreshView();
    } else if (tool == "AERO") {
        AirbrushStep(at);
    } else if (const auto kind = ArtBrushKindOf(tool)) {
        const gfx::Rect changed = ArtBrushPress(gesture.artStroke, *kind, SurfacePicture(), at,
                                                ArtSettings(*this, *kind), Gradient1Source());
        if (!changed.IsEmpty()) RefreshView(MainView().Layers().CurrentIndex(), changed);
    } else if (tool == "BRUSHTRANSPARENT") {
        CreateBrush(X, Y);
    }
}

void TImageForm::ImageEnView1MouseMove(int X, int Y)
{
    const gfx::Point at = PointerToBitmap(X, Y);
    // The host sees 1-based picture coordinates, for any position and any tool.
    if (const std::string& vx = Setting(State::VariableX); !vx.empty())
        boundary::SetHostVariable(vx, actions::IntegerText(std::int64_t{at.x} + 1));
    if (const std::string& vy = Setting(State::VariableY); !vy.empty())
        boundary::SetHostVariable(vy, actions::IntegerText(std::int64_t{at.y} + 1));
    ToolMove(Setting(State::Tools), X, Y, at);
}

void TImageForm::ToolMove(const std::string& tool, int X, int Y, gfx::Point at)
{
    GestureState& gesture = TheGestureState();
    if (tool == "TRANSPARENT") {
        const gfx::Picture& picture = SurfacePicture();
        if (picture.Bounds().Contains(at)) gesture.transparentColor = picture.GetPixel(at);
        return;
    }
    if (!Running(tool)) return;
    if (tool == "BRUSHTRANSPARENT") {
        TransparentBrushMove(X, Y);
    } else if (tool == "PEN" || tool == "BRUSH" || tool == "ERASER") {
        gfx::Painter painter = surface_.PainterOn(SurfacePicture());
        painter.LineTo(at);
        surface_.position = at;
        if (tool == "ERASER") MakeColorTransparent();
        RefreshView();
    } else if (tool == "LINE") {
        gfx::Painter painter = surface_.PainterOn(SurfacePicture());
        painter.pen.mode = gfx::PenMode::NotXor;
        painter.MoveTo(gesture.start);
        painter.LineTo(gesture.lineEnd); // takes the previous band away
        RefreshView();
        painter.MoveTo(gesture.start);
        painter.LineTo(at);
        RefreshView();
        surface_.pen.mode = gfx::PenMode::Copy;
        surface_.position = painter.Position();
        gesture.lineEnd = MainView().ScreenToPicture({X, Y});
    } else if (tool == "RECTANGLE" || tool == "CIRCLE") {
        gfx::Painter painter = surface_.PainterOn(SurfacePicture());
        painter.pen.mode = gfx::PenMode::NotXor;
        const bool ellipse = tool == "CIRCLE";
        auto figure = [&](gfx::Point corner) {
            const gfx::Rect corners{gesture.start.x, gesture.start.y, corner.x, corner.y};
            if (ellipse)
                painter.Ellipse(corners);
            else
                painter.Rectangle(corners);
        };
        figure(gesture.shapeEnd);
        RefreshView();
        figure(at);
        RefreshView();
        surface_.pen.mode = gfx::PenMode::Copy;
        RefreshView();
        gesture.shapeEnd = MainView().ScreenToPicture({X, Y});
    } else if (tool == "AERO") {
        AirbrushStep(at);
    } else if (const auto kind = ArtBrushKindOf(tool)) {
        const gfx::Rect changed = ArtBrushMove(gesture.artStroke, *kind, SurfacePicture(), at,
                                               ArtSettings(*this, *kind), Gradient1Source());
        if (!changed.IsEmpty()) RefreshView(MainView().Layers().CurrentIndex(), changed);
    }
}

void TImageForm::ImageEnView1MouseUp(ui::MouseButton, int X, int Y)
{
    const gfx::Point at = PointerToBitmap(X, Y);
    struct EndGesture {
        ~EndGesture() { TheGestureState().mode.clear(); }
    } endGesture; // whatever the tool and the button, also when a step fails
    ToolRelease(Setting(State::Tools), at);
}

void TImageForm::ToolRelease(const std::string& tool, gfx::Point at)
{
    GestureState& gesture = TheGestureState();
    if (!Running(tool)) return;
    if (tool == "BRUSHTRANSPARENT") {
        TransparentBrushRelease();
    } else if (tool == "LINE") {
        surface_.pen.mode = gfx::PenMode::Copy;
        gfx::Painter painter = surface_.PainterOn(SurfacePicture());
        painter.MoveTo(gesture.start);
        painter.LineTo(at);
        surface_.position = painter.Position();
        RefreshView();
    } else if (tool == "RECTANGLE" || tool == "CIRCLE") {
        surface_.pen.mode = gfx::PenMode::Copy;
        gfx::Painter painter = surface_.PainterOn(SurfacePicture());
        const gfx::Rect corners{gesture.start.x, gesture.start.y, at.x, at.y};
        if (tool == "CIRCLE")
            painter.Ellipse(corners);
        else
            painter.Rectangle(corners);
        RefreshView();
    } else if (ArtBrushKindOf(tool)) {
        ArtBrushRelease(gesture.artStroke);
    }
}

void TImageForm::AirbrushStep(gfx::Point at)
{
    // Both texts are stored unchecked by the airbrush action; text that is not an
    // integer counts as not set.
    const std::int32_t radius = actions::ReadIntegerOr(Setting(State::DiamSprey), 30);
    const std::int32_t n = actions::ReadIntegerOr(Setting(State::IntensiveSprey), 10);
    gfx::Color colour = gfx::colors::Black;
    if (const std::string& text = Setting(State::ColorSprey); !text.empty()) {
        const auto read = actions::TryReadColor(text);
        if (!read) return;
        colour = *read;
    }
    SprayAt(SurfacePicture(), at, colour, radius, n, [this] { return NextUniform(); });
    RefreshView();
}

} // namespace ix::canvas
