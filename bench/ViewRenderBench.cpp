// ViewRender.*: painting a 1280 × 720 image view of a 6000 × 4000 three-layer picture.
//
// ZoomChange: the first paint after the zoom changed (the composition is kept, the view
// is redrawn from it). Repeat: painting the unchanged view again. Change100: painting
// after a 100 × 100 patch of a layer changed, as a brush stroke does (only the dirty
// part is repainted, as a window system's paint would). Compose: recomposing all layers.
#include "gfx/view/ImageView.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace ix::gfx;

namespace {

constexpr Size kClient{1280, 720};

Picture Pattern(Size size, int seed, bool alpha)
{
    Picture p(size, colors::White);
    if (alpha) p.EnsureAlpha(255);
    for (int y = 0; y < size.height; ++y) {
        Bgr* row = p.BgrRow(y);
        for (int x = 0; x < size.width; ++x) {
            const unsigned h = static_cast<unsigned>(x * 7 + y * 13 + seed) * 2654435761u;
            row[x] = {static_cast<std::uint8_t>(x + seed), static_cast<std::uint8_t>(y ^ x), static_cast<std::uint8_t>(h >> 24)};
        }
        if (alpha) {
            std::uint8_t* a = p.AlphaRow(y);
            for (int x = 0; x < size.width; ++x) a[x] = static_cast<std::uint8_t>((x / 40 + y / 40) % 2 ? 255 : 90);
        }
    }
    return p;
}

// One view shared by all benchmarks: building the picture takes longer than they do.
ImageView& SharedView()
{
    static std::unique_ptr<ImageView> view = [] {
        auto v = std::make_unique<ImageView>();
        v->Layers().Reset(Pattern({6000, 4000}, 0, false));
        Layer middle;
        middle.picture = Pattern({6000, 4000}, 77, true);
        middle.transparency = 200;
        v->Layers().Add(std::move(middle));
        Layer top;
        top.picture = Pattern({3000, 2000}, 155, false);
        top.posX = 1000;
        top.posY = 800;
        top.transparency = 128;
        v->Layers().Add(std::move(top));
        v->SetCentered(true);
        v->SetClientSize(kClient);
        Surface s(kClient);
        v->Paint(s, Rect::FromSize(kClient));
        return v;
    }();
    return *view;
}

void Place(ImageView& view, double zoom)
{
    view.SetZoom(zoom);
    // Look at the middle of the picture, where all three layers overlap.
    const Size range = view.ScrollRange();
    view.SetViewXY(range.width / 2, range.height / 2);
}

void ZoomChange(benchmark::State& state)
{
    ImageView& view = SharedView();
    Surface surface(kClient);
    const double zoom = static_cast<double>(state.range(0));
    bool flip = false;
    for (auto _ : state) {
        Place(view, flip ? zoom * 1.001 : zoom);
        flip = !flip;
        view.Paint(surface, Rect::FromSize(kClient));
        benchmark::DoNotOptimize(surface.Row(0));
    }
}

void Repeat(benchmark::State& state)
{
    ImageView& view = SharedView();
    Surface surface(kClient);
    Place(view, static_cast<double>(state.range(0)));
    view.Paint(surface, Rect::FromSize(kClient));
    for (auto _ : state) {
        view.Paint(surface, Rect::FromSize(kClient));
        benchmark::DoNotOptimize(surface.Row(0));
    }
}

void Change100(benchmark::State& state)
{
    ImageView& view = SharedView();
    Surface surface(kClient);
    Place(view, static_cast<double>(state.range(0)));
    view.Paint(surface, Rect::FromSize(kClient));
    view.TakeDirtyRect();
    // The patch lies in the middle of the view, on the middle layer.
    const Point centre = view.ScreenToPicture({kClient.width / 2, kClient.height / 2});
    const Rect patch = Rect::FromSize({centre.x - 50, centre.y - 50}, {100, 100});
    int shade = 0;
    for (auto _ : state) {
        Picture& p = view.Layers().At(1).picture;
        const Bgr c{static_cast<std::uint8_t>(shade), 40, static_cast<std::uint8_t>(255 - shade)};
        shade = (shade + 37) & 0xFF;
        for (int y = patch.top; y < patch.bottom; ++y) std::fill_n(p.BgrRow(y) + patch.left, patch.Width(), c);
        view.InvalidatePictureRect(1, patch);
        view.Paint(surface, Rect::FromSize(kClient), view.TakeDirtyRect()); // dest at (0, 0)
        benchmark::DoNotOptimize(surface.Row(0));
    }
}

void Compose(benchmark::State& state)
{
    ImageView& view = SharedView();
    Surface surface(kClient);
    Place(view, 25);
    for (auto _ : state) {
        view.InvalidateLayers();
        view.Paint(surface, Rect::FromSize(kClient));
        benchmark::DoNotOptimize(surface.Row(0));
    }
}

} // namespace

BENCHMARK(ZoomChange)->Name("ViewRender.ZoomChange/ours")->Arg(25)->Arg(100)->Arg(800)->Unit(benchmark::kMillisecond);
BENCHMARK(Repeat)->Name("ViewRender.Repeat/ours")->Arg(25)->Arg(100)->Arg(800)->Unit(benchmark::kMillisecond);
BENCHMARK(Change100)->Name("ViewRender.Change100/ours")->Arg(25)->Arg(100)->Arg(800)->Unit(benchmark::kMillisecond);
BENCHMARK(Compose)->Name("ViewRender.Compose/ours")->Unit(benchmark::kMillisecond)->Iterations(3);
