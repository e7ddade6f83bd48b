// Resampling a 4000 × 3000 photo-like picture: antialiased downscales to 1000 × 750
// (kernel widened by the factor 4; peer vips_reduce with the same kernel) and a bicubic
// upscale of 1000 × 750 to 4000 × 3000 (peer cv::resize INTER_CUBIC).
#include "BenchPictures.h"

#include "gfx/Resample.h"

#include <benchmark/benchmark.h>

#ifdef IX_HAVE_OPENCV
#include <opencv2/imgproc.hpp>
#endif

using namespace ix;

namespace {

const gfx::Picture& Photo()
{
    static const gfx::Picture photo = bench::PhotoLike(bench::kPhoto);
    return photo;
}

const gfx::Picture& SmallPhoto()
{
    static const gfx::Picture photo = bench::PhotoLike(bench::kQuarter, 3);
    return photo;
}

void DownscaleOurs(benchmark::State& state, gfx::ResampleFilter filter)
{
    const gfx::Picture& src = Photo();
    for (auto _ : state) {
        gfx::Picture out = gfx::Resampled(src, bench::kQuarter, filter);
        benchmark::DoNotOptimize(out.Row(0));
    }
}
BENCHMARK_CAPTURE(DownscaleOurs, lanczos3, gfx::ResampleFilter::rfLanczos3)
    ->Name("DownscaleLanczos3/ours")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(DownscaleOurs, bicubic, gfx::ResampleFilter::rfBicubic)
    ->Name("DownscaleBicubic/ours")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(DownscaleOurs, bilinear, gfx::ResampleFilter::rfBilinear)
    ->Name("DownscaleBilinear/ours")->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef IX_HAVE_VIPS
void DownscaleVips(benchmark::State& state, VipsKernel kernel)
{
    bench::PeersSingleThreaded();
    const gfx::Picture& src = Photo();
    VipsImage* in = vips_image_new_from_memory(src.Row(0), src.Stride() * static_cast<std::size_t>(src.Height()),
                                               src.Width(), src.Height(), 3, VIPS_FORMAT_UCHAR);
    if (!in) {
        state.SkipWithError("vips_image_new_from_memory failed");
        return;
    }
    const double factor = static_cast<double>(src.Width()) / bench::kQuarter.width;
    for (auto _ : state) {
        VipsImage* out = nullptr;
        if (vips_reduce(in, &out, factor, factor, "kernel", kernel, nullptr) != 0) {
            state.SkipWithError("vips_reduce failed");
            break;
        }
        std::size_t length = 0;
        void* pixels = vips_image_write_to_memory(out, &length);
        benchmark::DoNotOptimize(pixels);
        g_free(pixels);
        g_object_unref(out);
    }
    g_object_unref(in);
}
BENCHMARK_CAPTURE(DownscaleVips, lanczos3, VIPS_KERNEL_LANCZOS3)
    ->Name("DownscaleLanczos3/vips")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(DownscaleVips, bicubic, VIPS_KERNEL_CUBIC)
    ->Name("DownscaleBicubic/vips")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(DownscaleVips, bilinear, VIPS_KERNEL_LINEAR)
    ->Name("DownscaleBilinear/vips")->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

void UpscaleOurs(benchmark::State& state)
{
    const gfx::Picture& src = SmallPhoto();
    for (auto _ : state) {
        gfx::Picture out = gfx::Resampled(src, bench::kPhoto, gfx::ResampleFilter::rfBicubic);
        benchmark::DoNotOptimize(out.Row(0));
    }
}
BENCHMARK(UpscaleOurs)->Name("UpscaleBicubic/ours")->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef IX_HAVE_OPENCV
void UpscaleOpenCV(benchmark::State& state)
{
    bench::PeersSingleThreaded();
    gfx::Picture src = SmallPhoto();
    const cv::Mat in = bench::AsMat(src);
    for (auto _ : state) {
        cv::Mat out;
        cv::resize(in, out, cv::Size(bench::kPhoto.width, bench::kPhoto.height), 0, 0, cv::INTER_CUBIC);
        benchmark::DoNotOptimize(out.data);
    }
}
BENCHMARK(UpscaleOpenCV)->Name("UpscaleBicubic/opencv")->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

} // namespace
