// Drawing 1000 width-1 line segments with random end points across a 4000 × 3000
// picture (peer cv::line, 8-connected).
#include "BenchPictures.h"

#include "gfx/Painter.h"

#include <benchmark/benchmark.h>

#include <vector>

#ifdef IX_HAVE_OPENCV
#include <opencv2/imgproc.hpp>
#endif

using namespace ix;

namespace {

std::vector<gfx::Point> Points()
{
    std::vector<gfx::Point> points;
    for (std::uint32_t i = 0; i < 2000; ++i)
        points.push_back({static_cast<int>(bench::Hash(2 * i + 11) % bench::kPhoto.width),
                          static_cast<int>(bench::Hash(2 * i + 12) % bench::kPhoto.height)});
    return points;
}

void LinesOurs(benchmark::State& state)
{
    gfx::Picture p = bench::PhotoLike(bench::kPhoto);
    const auto points = Points();
    gfx::Painter painter(p);
    painter.pen = {gfx::colors::Black, 1, gfx::PenStyle::Solid, gfx::PenMode::Copy};
    for (auto _ : state) {
        for (std::size_t i = 0; i < points.size(); i += 2) {
            painter.MoveTo(points[i]);
            painter.LineTo(points[i + 1]);
        }
        benchmark::DoNotOptimize(p.Row(0));
    }
}
BENCHMARK(LinesOurs)->Name("Lines1000/ours")->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef IX_HAVE_OPENCV
void LinesOpenCV(benchmark::State& state)
{
    bench::PeersSingleThreaded();
    gfx::Picture p = bench::PhotoLike(bench::kPhoto);
    cv::Mat m = bench::AsMat(p);
    const auto points = Points();
    for (auto _ : state) {
        for (std::size_t i = 0; i < points.size(); i += 2)
            cv::line(m, cv::Point(points[i].x, points[i].y), cv::Point(points[i + 1].x, points[i + 1].y),
                     cv::Scalar(0, 0, 0), 1, cv::LINE_8);
        benchmark::DoNotOptimize(m.data);
    }
}
BENCHMARK(LinesOpenCV)->Name("Lines1000/opencv")->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

} // namespace
