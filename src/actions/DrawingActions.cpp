// The drawing tool actions, ids 21 to 40. None of them draws: each selects the canvas's
// tool (the Tools setting), stores the tool's settings and sets the pen and brush of the
// drawing surface; the tool engine draws when the user works with the mouse.
//
// Colour parameters follow one rule: the setting starts black, and a parameter that is
// not empty and reads as a colour replaces it; an unreadable colour keeps black and the
// action still succeeds.
#include "actions/DrawingActions.h"

#include "actions/ActionFrame.h"
#include "canvas/ArtBrush.h"
#include "gfx/Gradient.h"
#include "gfx/Painter.h"

#include <algorithm>
#include <string>

namespace ix::actions {

namespace {

using canvas::State;
using canvas::TPicture;

gfx::Color ColourParam(std::string_view text)
{
    return text.empty() ? gfx::colors::Black : ColorOr(text, gfx::colors::Black);
}

void SetTool(TPicture& c, const char* code) { c.SetSetting(State::Tools, code); }

// The pen styles a line may take: the rectangle's five without "DashDotDot".
gfx::PenStyle LineStyle(std::string_view text)
{
    const auto style = gfx::PenStyleByName(text);
    return style && *style != gfx::PenStyle::DashDotDot ? *style : gfx::PenStyle::Solid;
}

gfx::PenStyle FigureStyle(std::string_view text)
{
    return text.empty() ? gfx::PenStyle::Solid : gfx::PenStyleByName(text).value_or(gfx::PenStyle::Solid);
}

gfx::BrushStyle FillStyle(std::string_view text)
{
    return text.empty() ? gfx::BrushStyle::Solid : gfx::BrushStyleByName(text).value_or(gfx::BrushStyle::Solid);
}

// The artistic brushes (ids 30 to 36): size and pressure stored as digit strings.
bool ArtBrush(const ActionParams& p, const char* code, const char* defaultSize, bool hasPressure)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        c.SetSetting(State::BrushBlurSize, defaultSize);
        if (hasPressure) c.SetSetting(State::BrushBlurPress, "1");
        if (!HasNonDigit(Param(p, 1))) c.SetSetting(State::BrushBlurSize, std::string(Param(p, 1)));
        if (hasPressure && !HasNonDigit(Param(p, 2))) c.SetSetting(State::BrushBlurPress, std::string(Param(p, 2)));
        SetTool(c, code);
    });
}

void Figure(TPicture& c, const ActionParams& p, const char* code)
{
    SetTool(c, code);
    gfx::Pen& pen = c.Surface().pen;
    gfx::Brush& brush = c.Surface().brush;
    pen.width = ReadIntegerOr(Param(p, 1), 1);
    pen.color = ColourParam(Param(p, 2));
    pen.style = FigureStyle(Param(p, 3));
    brush.color = ColourParam(Param(p, 5));
    brush.style = FillStyle(Param(p, 4));
}

// The hidden gradient component is rendered at once when it changes size; a side is
// kept within what a stroke can ever use on a picture a host can hold.
constexpr std::int64_t kMaxGradientSide = 2048;

} // namespace

bool ExecCanvasPen(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        SetTool(c, "PEN");
        c.Surface().pen = {ColourParam(Param(p, 1)), 1, gfx::PenStyle::Solid, gfx::PenMode::Copy};
    });
}

bool ExecCanvasBrush(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        SetTool(c, "BRUSH");
        c.Surface().pen = {ColourParam(Param(p, 1)), ReadIntegerOr(Param(p, 2), 2), gfx::PenStyle::Solid,
                           gfx::PenMode::Copy};
    });
}

bool ExecCanvasPixel(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        SetTool(c, "PIXEL");
        gfx::Pen& pen = c.Surface().pen;
        pen.style = gfx::PenStyle::Solid;
        pen.width = 1;
        pen.mode = gfx::PenMode::Copy;
        c.SetSetting(State::PixelSetColor, Param(p, 1).empty() ? std::string("0,0,0") : std::string(Param(p, 1)));
    });
}

bool ExecCanvasPipette(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        SetTool(c, "GET_COLOR_PIXEL");
        c.SetSetting(State::PixelGetColor, std::string(Param(p, 1)));
        c.SetSetting(State::SubPipette, std::string(Param(p, 2)));
    });
}

bool ExecCanvasLine(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        SetTool(c, "LINE");
        c.Surface().pen = {ColourParam(Param(p, 1)), ReadIntegerOr(Param(p, 3), 1), LineStyle(Param(p, 2)),
                           gfx::PenMode::Copy};
    });
}

bool ExecCanvasRectangle(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) { Figure(c, p, "RECTANGLE"); });
}

bool ExecCanvasEllipse(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) { Figure(c, p, "CIRCLE"); });
}

bool ExecCanvasFloodFill(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        SetTool(c, "FILL");
        c.Surface().brush = {ColourParam(Param(p, 1)), FillStyle(Param(p, 2))};
    });
}

bool ExecCanvasAirbrush(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        SetTool(c, "AERO");
        c.SetSetting(State::ColorSprey, std::string(Param(p, 1)));
        c.SetSetting(State::DiamSprey, std::string(Param(p, 2)));
        c.SetSetting(State::IntensiveSprey, std::string(Param(p, 3)));
    });
}

bool ExecCanvasBrushSmear(const ActionParams& p) { return ArtBrush(p, "BRUSH_BLUR", "2", true); }
bool ExecCanvasBrushFlow(const ActionParams& p) { return ArtBrush(p, "BRUSH_FLOW", "2", true); }
bool ExecCanvasBrushSleek(const ActionParams& p) { return ArtBrush(p, "BRUSH_SLEEK", "2", false); }
bool ExecCanvasBrushEye(const ActionParams& p) { return ArtBrush(p, "BRUSH_EYE", "5", true); }
bool ExecCanvasBrushGlow(const ActionParams& p) { return ArtBrush(p, "BRUSH_GLOW", "2", true); }
bool ExecCanvasBrushDark(const ActionParams& p) { return ArtBrush(p, "BRUSH_DARK", "2", true); }
bool ExecCanvasBrushSate(const ActionParams& p) { return ArtBrush(p, "BRUSH_SATE", "2", true); }

bool ExecCanvasBrushGR(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        c.SetSetting(State::BrushBlurSize, "2");
        if (!HasNonDigit(Param(p, 1))) c.SetSetting(State::BrushBlurSize, std::string(Param(p, 1)));
        if (ReadIntegerOr(c.Setting(State::BrushBlurSize), 2) < 2) c.SetSetting(State::BrushBlurSize, "2");
        const std::int64_t size = ReadIntegerOr(c.Setting(State::BrushBlurSize), 2);
        const int side = static_cast<int>(std::min(2 * size, kMaxGradientSide));
        canvas::GradientComponent& gradient = c.Gradient1();
        gradient.SetSize({side, side});
        gradient.SetBeginColor(ColourParam(Param(p, 2)));
        gradient.SetEndColor(ColourParam(Param(p, 3)));
        gradient.SetStyle(gfx::GradientStyleByName(Param(p, 4)).value_or(gfx::GradientStyle::Custom));
        SetTool(c, "BRUSH_GRADIENT");
    });
}

bool ExecCanvasBrushTParent(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        c.SetSetting(State::BrushTransparentFormBrush, std::string(Param(p, 1)));
        c.SetSetting(State::BrushTransparentBrushSize, std::string(Param(p, 2)));
        c.SetSetting(State::BrushTransparentAntiAlias, std::string(Param(p, 3)));
        c.SetSetting(State::BrushTransparentTransParent, std::string(Param(p, 4)));
        c.SetSetting(State::BrushTransparentBrushStyle, std::string(Param(p, 5)));
        c.SetSetting(State::BrushTransparentBrushColor, std::string(Param(p, 6)));
        c.MainView().SetMouseInteract(gfx::miNone);
        SetTool(c, "BRUSHTRANSPARENT");
    });
}

bool ExecCanvasToolsCancel(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) { SetTool(c, "CANCEL"); });
}

bool ExecCanvasEraser(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        SetTool(c, "ERASER");
        c.SetSetting(State::TransparentNumber, std::string(Param(p, 2)));
        // The eraser draws in this colour, which the engine then makes transparent.
        c.Surface().pen = {gfx::Color::FromRgb(224, 224, 224), ReadIntegerOr(Param(p, 1), 5), gfx::PenStyle::Solid,
                           gfx::PenMode::Copy};
    });
}

} // namespace ix::actions
