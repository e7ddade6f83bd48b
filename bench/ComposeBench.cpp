// Composing one 4000 × 3000 layer over an RGB picture: Normal with the layer's alpha
// (peer: OpenCV's per-pixel alpha blend, cv::blendLinear), and Mul and Screen without
// alpha (peers: cv::multiply and the screen formula written with OpenCV operations).
#include "BenchPictures.h"

#include "gfx/Compose.h"

#include <benchmark/benchmark.h>

#ifdef IX_HAVE_OPENCV
#include <opencv2/imgproc.hpp>
#endif

using namespace ix;

namespace {

const gfx::Picture& Layer(bool alpha)
{
    static const gfx::Picture withAlpha = bench::PhotoLike(bench::kPhoto, 5, true);
    static const gfx::Picture plain = bench::PhotoLike(bench::kPhoto, 5, false);
    return alpha ? withAlpha : plain;
}

void ComposeOurs(benchmark::State& state, gfx::BlendOp op, bool alpha)
{
    gfx::Picture dst = bench::PhotoLike(bench::kPhoto, 9);
    const gfx::Picture& layer = Layer(alpha);
    for (auto _ : state) {
        gfx::DrawPicture(dst, dst.Bounds(), layer, {gfx::ResampleFilter::rfNone, 255, op});
        benchmark::DoNotOptimize(dst.Row(0));
    }
}
BENCHMARK_CAPTURE(ComposeOurs, normal, gfx::BlendOp::Normal, true)
    ->Name("ComposeNormalAlpha/ours")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(ComposeOurs, mul, gfx::BlendOp::Mul, false)
    ->Name("ComposeMul/ours")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(ComposeOurs, screen, gfx::BlendOp::Screen, false)
    ->Name("ComposeScreen/ours")->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef IX_HAVE_OPENCV
void ComposeNormalOpenCV(benchmark::State& state)
{
    bench::PeersSingleThreaded();
    gfx::Picture dstPicture = bench::PhotoLike(bench::kPhoto, 9);
    gfx::Picture layer = Layer(true);
    const cv::Mat src = bench::AsMat(layer);
    const cv::Mat dst = bench::AsMat(dstPicture);
    // The weights are the layer's alpha as the floats blendLinear takes, made once.
    cv::Mat alpha(layer.Height(), layer.Width(), CV_8UC1, layer.AlphaRow(0));
    cv::Mat w1, w2;
    alpha.convertTo(w1, CV_32F, 1.0 / 255);
    w2 = 1.0 - w1;
    cv::Mat out;
    for (auto _ : state) {
        cv::blendLinear(src, dst, w1, w2, out);
        benchmark::DoNotOptimize(out.data);
    }
}
BENCHMARK(ComposeNormalOpenCV)->Name("ComposeNormalAlpha/opencv")->Unit(benchmark::kMillisecond)->UseRealTime();

void ComposeMulOpenCV(benchmark::State& state)
{
    bench::PeersSingleThreaded();
    gfx::Picture dstPicture = bench::PhotoLike(bench::kPhoto, 9);
    gfx::Picture layer = Layer(false);
    const cv::Mat src = bench::AsMat(layer);
    const cv::Mat dst = bench::AsMat(dstPicture);
    cv::Mat out;
    for (auto _ : state) {
        cv::multiply(src, dst, out, 1.0 / 255);
        benchmark::DoNotOptimize(out.data);
    }
}
BENCHMARK(ComposeMulOpenCV)->Name("ComposeMul/opencv")->Unit(benchmark::kMillisecond)->UseRealTime();

void ComposeScreenOpenCV(benchmark::State& state)
{
    bench::PeersSingleThreaded();
    gfx::Picture dstPicture = bench::PhotoLike(bench::kPhoto, 9);
    gfx::Picture layer = Layer(false);
    const cv::Mat src = bench::AsMat(layer);
    const cv::Mat dst = bench::AsMat(dstPicture);
    cv::Mat invSrc, invDst, product, out;
    const cv::Scalar white = cv::Scalar::all(255);
    for (auto _ : state) {
        // 255 − (255 − s)(255 − d) / 255
        cv::subtract(white, src, invSrc);
        cv::subtract(white, dst, invDst);
        cv::multiply(invSrc, invDst, product, 1.0 / 255);
        cv::subtract(white, product, out);
        benchmark::DoNotOptimize(out.data);
    }
}
BENCHMARK(ComposeScreenOpenCV)->Name("ComposeScreen/opencv")->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

} // namespace
