// FloodFill: filling the background of a 4000 × 3000 scene (about three quarters of
// it), 4-connected, exact colour; each iteration fills back with the other colour.
#include "BenchPictures.h"

#include "gfx/FloodFill.h"

#include <benchmark/benchmark.h>

#ifdef IX_HAVE_OPENCV
#include <opencv2/imgproc.hpp>
#endif

using namespace ix;

namespace {

const gfx::Picture& Scene()
{
    static const gfx::Picture scene = bench::FloodScene(bench::kPhoto);
    return scene;
}

void FloodFillOurs(benchmark::State& state)
{
    gfx::Picture p = Scene();
    const gfx::Color colours[2] = {gfx::colors::Red, gfx::colors::White};
    int i = 0;
    std::int64_t filled = 0;
    for (auto _ : state) {
        filled = gfx::FloodFill(p, {0, 0}, colours[i]);
        i ^= 1;
        benchmark::DoNotOptimize(filled);
    }
    state.counters["pixels"] = static_cast<double>(filled);
}
BENCHMARK(FloodFillOurs)->Name("FloodFill/ours")->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef IX_HAVE_OPENCV
void FloodFillOpenCV(benchmark::State& state)
{
    bench::PeersSingleThreaded();
    gfx::Picture p = Scene();
    cv::Mat m = bench::AsMat(p);
    const cv::Scalar colours[2] = {cv::Scalar(0, 0, 255), cv::Scalar(255, 255, 255)};
    int i = 0;
    int filled = 0;
    for (auto _ : state) {
        filled = cv::floodFill(m, cv::Point(0, 0), colours[i], nullptr, cv::Scalar(), cv::Scalar(), 4);
        i ^= 1;
        benchmark::DoNotOptimize(filled);
    }
    state.counters["pixels"] = filled;
}
BENCHMARK(FloodFillOpenCV)->Name("FloodFill/opencv")->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

} // namespace
