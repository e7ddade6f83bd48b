// Stroke.*: one mouse move of a brush stroke on a 4000 × 3000 picture shown in a 1280 ×
// 720 canvas view, including the repaint of what the move changed (the window system's
// paint of the dirty part). Artistic brushes with size 50 and pressure 50; the
// transparent brush with size 40 and antialiasing. A stroke must follow a 120 Hz mouse.
#include "BenchPictures.h"

#include "canvas/GestureState.h"
#include "canvas/UnitFORM.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace ix;

namespace {

constexpr gfx::Size kClient{1280, 720};

std::unique_ptr<canvas::TPicture> NewCanvas()
{
    auto form = std::make_unique<canvas::TPicture>();
    form->SetBounds(0, 0, kClient.width, kClient.height);
    form->Panel1().SetAlign(ui::Align::Client);
    form->ImageEnView1().SetAlign(ui::Align::Client);
    form->MainView().Layers().At(0).picture = bench::PhotoLike(bench::kPhoto);
    form->MainView().InvalidateLayers();
    form->MainView().SetViewXY(1000, 1000);
    return form;
}

void Paint(canvas::TPicture& form, gfx::Surface& surface)
{
    const gfx::Rect dirty = form.MainView().TakeDirtyRect();
    if (!dirty.IsEmpty()) form.PaintClient(surface, {0, 0}, dirty);
}

void StrokeMoves(benchmark::State& state, const char* tool)
{
    auto form = NewCanvas();
    gfx::Surface surface(kClient);
    form->PaintClient(surface, {0, 0}, gfx::Rect::FromSize(kClient));
    form->SetSetting(canvas::State::Tools, tool);
    form->SetSetting(canvas::State::BrushBlurSize, "50");
    form->SetSetting(canvas::State::BrushBlurPress, "50");
    form->SetSetting(canvas::State::BrushTransparentFormBrush, "Circle");
    form->SetSetting(canvas::State::BrushTransparentBrushSize, "40");
    form->SetSetting(canvas::State::BrushTransparentAntiAlias, "True");
    form->SetSetting(canvas::State::BrushTransparentTransParent, "128");
    form->SetSetting(canvas::State::BrushTransparentBrushStyle, "Overlay");
    form->SetSetting(canvas::State::BrushTransparentBrushColor, "200,40,90");
    form->ClientMouseDown(ui::MouseButton::Left, {600, 360});
    Paint(*form, surface);
    int step = 0;
    for (auto _ : state) {
        // Back and forth over the middle of the view, 8 pixels a move.
        const int x = 500 + (step % 50) * 8;
        ++step;
        form->ClientMouseMove({x, 360 + (step % 7)});
        Paint(*form, surface);
        benchmark::DoNotOptimize(surface.Row(0));
    }
    form->ClientMouseUp(ui::MouseButton::Left, {600, 360});
    canvas::TheGestureState() = {};
}

void Blur(benchmark::State& s) { StrokeMoves(s, "BRUSH_BLUR"); }
void Flow(benchmark::State& s) { StrokeMoves(s, "BRUSH_FLOW"); }
void Sleek(benchmark::State& s) { StrokeMoves(s, "BRUSH_SLEEK"); }
void Eye(benchmark::State& s) { StrokeMoves(s, "BRUSH_EYE"); }
void Glow(benchmark::State& s) { StrokeMoves(s, "BRUSH_GLOW"); }
void Dark(benchmark::State& s) { StrokeMoves(s, "BRUSH_DARK"); }
void Sate(benchmark::State& s) { StrokeMoves(s, "BRUSH_SATE"); }
void Gradient(benchmark::State& s) { StrokeMoves(s, "BRUSH_GRADIENT"); }
void Transparent(benchmark::State& s) { StrokeMoves(s, "BRUSHTRANSPARENT"); }

} // namespace

BENCHMARK(Blur)->Name("Stroke.Blur/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(Flow)->Name("Stroke.Flow/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(Sleek)->Name("Stroke.Sleek/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(Eye)->Name("Stroke.Eye/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(Glow)->Name("Stroke.Glow/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(Dark)->Name("Stroke.Dark/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(Sate)->Name("Stroke.Sate/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(Gradient)->Name("Stroke.Gradient/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(Transparent)->Name("Stroke.Transparent/ours")->Unit(benchmark::kMillisecond);
