// The tool engine's state handling on a canvas window: gesture modes, the brush layer
// of the transparent brush, and the pointer conversion with layers.
#include "HostRecorder.h"

#include "canvas/GestureState.h"
#include "canvas/UnitFORM.h"

#include <gtest/gtest.h>

using namespace ix::canvas;
using ix::canvas::test::HostRecorder;
using ix::gfx::Color;
using ix::gfx::Point;
using ix::ui::MouseButton;

namespace {

class ToolEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        TheGestureState() = {};
        form.SetBounds(0, 0, 300, 200);
        form.Panel1().SetAlign(ix::ui::Align::Client);
        form.ImageEnView1().SetAlign(ix::ui::Align::Client);
        form.MainView().Layers().At(0).picture = ix::gfx::Picture({100, 80}, ix::gfx::colors::White);
        form.MainView().Update();
    }
    void TearDown() override { TheGestureState() = {}; }
    ix::gfx::LayerStack& Layers() { return form.MainView().Layers(); }
    void TransparentBrush(const char* shape, const char* size, const char* antiAlias, const char* alpha,
                          const char* colour = "255,0,0")
    {
        form.SetSetting(State::Tools, "BRUSHTRANSPARENT");
        form.SetSetting(State::BrushTransparentFormBrush, shape);
        form.SetSetting(State::BrushTransparentBrushSize, size);
        form.SetSetting(State::BrushTransparentAntiAlias, antiAlias);
        form.SetSetting(State::BrushTransparentTransParent, alpha);
        form.SetSetting(State::BrushTransparentBrushStyle, "Normal");
        form.SetSetting(State::BrushTransparentBrushColor, colour);
    }

    HostRecorder host;
    TPicture form;
};

TEST_F(ToolEngine, PressSetsTheModeAndAnyReleaseClearsIt)
{
    form.SetSetting(State::Tools, "PEN");
    form.MainView().SetMouseInteract(ix::gfx::miSelect);
    form.ClientMouseDown(MouseButton::Left, {10, 10});
    EXPECT_EQ(TheGestureState().mode, "mousepen");
    EXPECT_EQ(form.MainView().Interaction(), ix::gfx::miNone) << "a drawing press switches the view's own handling off";
    form.ClientMouseUp(MouseButton::Right, {10, 10});
    EXPECT_EQ(TheGestureState().mode, "");
}

TEST_F(ToolEngine, PressHandledCodesAndTheirModes)
{
    const std::pair<const char*, const char*> cases[] = {
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
        {"MAGIC_WAND", ""},
        {"SELECT_RECTANGLE", ""},
        {"TRANSPARENT", ""},
        {"CANCEL", ""},
        {"pen", ""},
        {"", ""},
    };
    form.SetSetting(State::BrushBlurSize, "3");
    form.SetSetting(State::BrushBlurPress, "1");
    for (const auto& [code, mode] : cases) {
        form.SetSetting(State::Tools, code);
        TheGestureState().mode = "stale";
        form.ImageEnView1MouseDown(MouseButton::Left, 20, 20);
        EXPECT_EQ(TheGestureState().mode, *mode ? mode : "stale") << code;
        form.ImageEnView1MouseUp(MouseButton::Left, 20, 20);
        EXPECT_EQ(TheGestureState().mode, "") << code;
    }
}

TEST_F(ToolEngine, ArtisticStrokeDropsItsWorkBitmapsAtTheRelease)
{
    form.SetSetting(State::Tools, "BRUSH_EYE");
    form.SetSetting(State::BrushBlurSize, "5");
    form.SetSetting(State::BrushBlurPress, "30");
    form.ImageEnView1MouseDown(MouseButton::Left, 30, 30);
    EXPECT_TRUE(TheGestureState().artStroke.strokeBitmap.has_value());
    EXPECT_TRUE(TheGestureState().artStroke.eyeBitmap.has_value());
    form.ImageEnView1MouseUp(MouseButton::Left, 30, 30);
    EXPECT_FALSE(TheGestureState().artStroke.strokeBitmap.has_value());
    EXPECT_FALSE(TheGestureState().artStroke.eyeBitmap.has_value());
}

TEST_F(ToolEngine, SleekBrushNeedsNoPressure)
{
    form.SetSetting(State::Tools, "BRUSH_SLEEK");
    form.SetSetting(State::BrushBlurSize, "4");
    ix::gfx::Picture& p = Layers().At(0).picture;
    p.SetPixel({30, 30}, Color::FromRgb(0, 0, 0));
    form.ImageEnView1MouseDown(MouseButton::Left, 30, 31);
    EXPECT_NE(p.GetPixel({30, 31}), ix::gfx::colors::White) << "the smoothing ran without a pressure stored";
}

TEST_F(ToolEngine, TransparentBrushLayerComesAndGoes)
{
    TransparentBrush("Circle", "20", "True", "255");
    form.ClientMouseDown(MouseButton::Left, {50, 40});
    ASSERT_EQ(Layers().Count(), 2);
    EXPECT_EQ(Layers().CurrentIndex(), 1);
    const ix::gfx::Layer& brush = Layers().At(1);
    EXPECT_EQ(brush.picture.GetSize(), (ix::gfx::Size{40, 40})) << "twice the size with antialiasing";
    EXPECT_EQ(brush.ShownWidth(), 20) << "shown at half size";
    EXPECT_EQ(brush.ShownRect(), (ix::gfx::Rect{40, 30, 60, 50})) << "centred on the pointer";
    form.ClientMouseUp(MouseButton::Left, {50, 40});
    EXPECT_EQ(Layers().Count(), 1);
    EXPECT_EQ(Layers().CurrentIndex(), 0);
    EXPECT_EQ(Layers().At(0).picture.GetPixel({50, 40}), Color::FromRgb(255, 0, 0));
}

TEST_F(ToolEngine, TransparentBrushOfSizeOneSwitchesAntialiasingOff)
{
    TransparentBrush("Rectangle", "1", "True", "255");
    form.ClientMouseDown(MouseButton::Left, {10, 10});
    EXPECT_EQ(form.Setting(State::BrushTransparentAntiAlias), "false");
    EXPECT_EQ(Layers().At(1).picture.GetSize(), (ix::gfx::Size{1, 1}));
    form.ClientMouseUp(MouseButton::Left, {10, 10});
}

TEST_F(ToolEngine, TransparentBrushKeepsTheLayersItFinds)
{
    // Two layers already: the stroke paints into the current one and removes only its own.
    ix::gfx::Layer top;
    top.picture = ix::gfx::Picture({100, 80}, Color::FromRgb(0, 255, 0));
    Layers().Add(std::move(top));
    ASSERT_EQ(Layers().CurrentIndex(), 1);
    TransparentBrush("Rectangle", "4", "False", "255");
    form.ClientMouseDown(MouseButton::Left, {20, 20});
    EXPECT_EQ(Layers().Count(), 3);
    form.ClientMouseMove({40, 20});
    form.ClientMouseUp(MouseButton::Left, {40, 20});
    ASSERT_EQ(Layers().Count(), 2);
    EXPECT_EQ(Layers().CurrentIndex(), 1);
    EXPECT_EQ(Layers().At(1).picture.GetPixel({40, 20}), Color::FromRgb(255, 0, 0)) << "stamped into the layer";
    EXPECT_EQ(Layers().At(1).picture.GetPixel({60, 20}), Color::FromRgb(0, 255, 0));
    EXPECT_EQ(Layers().At(0).picture.GetPixel({40, 20}), ix::gfx::colors::White);
}

TEST_F(ToolEngine, TransparentBrushWithoutShapeStampsNothing)
{
    TransparentBrush("Square", "6", "False", "255");
    form.ClientMouseDown(MouseButton::Left, {20, 20});
    form.ClientMouseMove({30, 20});
    form.ClientMouseUp(MouseButton::Left, {30, 20});
    EXPECT_EQ(Layers().At(0).picture, ix::gfx::Picture({100, 80}, ix::gfx::colors::White));
}

TEST_F(ToolEngine, PointerConversionUsesTheCurrentLayerWithLayers)
{
    ix::gfx::Layer moved;
    moved.picture = ix::gfx::Picture({50, 40});
    moved.posX = 10;
    moved.posY = 20;
    Layers().Add(std::move(moved));
    EXPECT_EQ(form.PointerToBitmap(15, 25), (Point{5, 5}));
    Layers().SetCurrentIndex(0);
    EXPECT_EQ(form.PointerToBitmap(15, 25), (Point{15, 25}));
}

TEST_F(ToolEngine, LineBandUsesThePlainConversionWithLayers)
{
    ix::gfx::Layer moved;
    moved.picture = ix::gfx::Picture({100, 80});
    moved.posX = 10;
    Layers().Add(std::move(moved));
    form.SetSetting(State::Tools, "LINE");
    form.ImageEnView1MouseDown(MouseButton::Left, 30, 30);
    EXPECT_EQ(TheGestureState().start, (Point{30, 30})) << "the view's plain conversion, not the layer's";
    form.ImageEnView1MouseMove(50, 30);
    EXPECT_EQ(TheGestureState().lineEnd, (Point{50, 30}));
    form.ImageEnView1MouseUp(MouseButton::Left, 50, 30);
}

} // namespace
