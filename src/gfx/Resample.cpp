#include "gfx/Resample.h"

#include "gfx/GfxError.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>
#include <numbers>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#define IX_RESAMPLE_SSE2 1
#else
#define IX_RESAMPLE_SSE2 0
#endif

namespace ix::gfx {

namespace {

constexpr int kWeightBits = 14;
constexpr int kWeightOne = 1 << kWeightBits;

enum class Mode { Convolve, Min, Max };

struct Kernel {
    double radius;
    double (*f)(double);
    bool widen; // widened by the reduction factor when reducing
};

double Box(double x) { return x >= -0.5 && x < 0.5 ? 1.0 : 0.0; }
double Tent(double x)
{
    x = std::fabs(x);
    return x < 1.0 ? 1.0 - x : 0.0;
}
double Hermite(double x)
{
    x = std::fabs(x);
    return x < 1.0 ? (2.0 * x - 3.0) * x * x + 1.0 : 0.0;
}
double Bell(double x)
{
    x = std::fabs(x);
    if (x < 0.5) return 0.75 - x * x;
    if (x < 1.5) return 0.5 * (x - 1.5) * (x - 1.5);
    return 0.0;
}
double BSpline(double x)
{
    x = std::fabs(x);
    if (x < 1.0) return (0.5 * x - 1.0) * x * x + 2.0 / 3.0;
    if (x < 2.0) {
        const double t = 2.0 - x;
        return t * t * t / 6.0;
    }
    return 0.0;
}
double Sinc(double x)
{
    if (x == 0.0) return 1.0;
    const double px = std::numbers::pi * x;
    return std::sin(px) / px;
}
double Lanczos3(double x) { return std::fabs(x) < 3.0 ? Sinc(x) * Sinc(x / 3.0) : 0.0; }
// Cubic of the Mitchell–Netravali family with parameters b and c.
double Cubic(double x, double b, double c)
{
    x = std::fabs(x);
    if (x < 1.0)
        return ((12.0 - 9.0 * b - 6.0 * c) * x * x * x + (-18.0 + 12.0 * b + 6.0 * c) * x * x + (6.0 - 2.0 * b)) / 6.0;
    if (x < 2.0)
        return ((-b - 6.0 * c) * x * x * x + (6.0 * b + 30.0 * c) * x * x + (-12.0 * b - 48.0 * c) * x +
                (8.0 * b + 24.0 * c)) / 6.0;
    return 0.0;
}
double Mitchell(double x) { return Cubic(x, 1.0 / 3.0, 1.0 / 3.0); }
double CatmullRom(double x) { return Cubic(x, 0.0, 0.5); }

Kernel KernelOf(ResampleFilter filter)
{
    switch (filter) {
    case ResampleFilter::rfTriangle:
    case ResampleFilter::rfLinear:
    case ResampleFilter::rfBilinear: return {1.0, Tent, true};
    case ResampleFilter::rfFastLinear: return {1.0, Tent, false};
    case ResampleFilter::rfHermite: return {1.0, Hermite, true};
    case ResampleFilter::rfBell: return {1.5, Bell, true};
    case ResampleFilter::rfBSpline: return {2.0, BSpline, true};
    case ResampleFilter::rfLanczos3: return {3.0, Lanczos3, true};
    case ResampleFilter::rfMitchell: return {2.0, Mitchell, true};
    case ResampleFilter::rfBicubic: return {2.0, CatmullRom, true};
    case ResampleFilter::rfNearest:
    case ResampleFilter::rfNone:
    case ResampleFilter::rfProjectBW:
    case ResampleFilter::rfProjectWB: break;
    }
    return {0.5, Box, true};
}

// For every output index along one axis: the first source index of its window and
// `taps` fixed-point weights (summing to kWeightOne) for the window's pixels.
struct Axis {
    int taps = 0;
    std::vector<int> start;
    std::vector<int> count;            // window length per output (projection filters)
    std::vector<std::int16_t> weights; // taps per output index (convolution)
    std::vector<std::int32_t> pairs;   // the same weights two by two, as 16-bit pairs
};


template <typename T>
void Allocate(std::vector<T>& v, std::size_t n)
{
    try {
        v.assign(n, T{});
    } catch (const std::bad_alloc&) {
        throw GfxError("resample: out of memory");
    } catch (const std::length_error&) {
        throw GfxError("resample: out of memory");
    }
}

// Packs consecutive weights two by two (the odd last one with 0), for the pair
// multiply-adds of the vector paths.
void MakePairs(Axis& axis, int dstLen)
{
    const int n = (axis.taps + 1) / 2;
    Allocate(axis.pairs, static_cast<std::size_t>(dstLen) * static_cast<std::size_t>(n));
    for (int i = 0; i < dstLen; ++i) {
        const std::int16_t* w = axis.weights.data() + static_cast<std::size_t>(i) * axis.taps;
        for (int k = 0; k < n; ++k) {
            const std::uint16_t w0 = static_cast<std::uint16_t>(w[2 * k]);
            const std::uint16_t w1 = 2 * k + 1 < axis.taps ? static_cast<std::uint16_t>(w[2 * k + 1]) : 0;
            axis.pairs[static_cast<std::size_t>(i) * n + k] = static_cast<std::int32_t>(w0 | static_cast<std::uint32_t>(w1) << 16);
        }
    }
}

// Point sampling: each output takes the source index under its centre.
Axis PointAxis(int srcLen, int dstLen)
{
    Axis axis;
    axis.taps = 1;
    Allocate(axis.start, static_cast<std::size_t>(dstLen));
    Allocate(axis.count, static_cast<std::size_t>(dstLen));
    Allocate(axis.weights, static_cast<std::size_t>(dstLen));
    for (int i = 0; i < dstLen; ++i) {
        const long long j = (2LL * i + 1) * srcLen / (2LL * dstLen);
        axis.start[static_cast<std::size_t>(i)] = static_cast<int>(std::min<long long>(j, srcLen - 1));
        axis.count[static_cast<std::size_t>(i)] = 1;
        axis.weights[static_cast<std::size_t>(i)] = kWeightOne;
    }
    MakePairs(axis, dstLen);
    return axis;
}

// Footprint windows for the projection filters: the source pixels an output pixel
// covers (at least the nearest one). Weights are unused.
Axis FootprintAxis(int srcLen, int dstLen)
{
    if (dstLen >= srcLen) return PointAxis(srcLen, dstLen);
    Axis axis;
    axis.taps = (srcLen + dstLen - 1) / dstLen + 1;
    axis.taps = std::min(axis.taps, srcLen);
    Allocate(axis.start, static_cast<std::size_t>(dstLen));
    Allocate(axis.count, static_cast<std::size_t>(dstLen));
    for (int i = 0; i < dstLen; ++i) {
        const int first = static_cast<int>(static_cast<long long>(i) * srcLen / dstLen);
        const int last = static_cast<int>(((static_cast<long long>(i) + 1) * srcLen + dstLen - 1) / dstLen);
        axis.start[static_cast<std::size_t>(i)] = first;
        axis.count[static_cast<std::size_t>(i)] = std::max(1, std::min(last, srcLen) - first);
    }
    return axis;
}

Axis ConvolutionAxis(int srcLen, int dstLen, const Kernel& kernel)
{
    const double scale = static_cast<double>(dstLen) / srcLen;
    const double widen = kernel.widen && scale < 1.0 ? 1.0 / scale : 1.0;
    const double support = kernel.radius * widen;
    Axis axis;
    // The widest window any output needs (|j − centre| < support, clamped to the source).
    int widest = 1;
    for (int i = 0; i < dstLen; ++i) {
        const double centre = (i + 0.5) / scale - 0.5;
        const int lo = std::clamp(static_cast<int>(std::floor(centre - support)) + 1, 0, srcLen - 1);
        const int hi = std::clamp(static_cast<int>(std::ceil(centre + support)) - 1, 0, srcLen - 1);
        widest = std::max(widest, hi - lo + 1);
    }
    axis.taps = std::min(srcLen, widest);
    Allocate(axis.start, static_cast<std::size_t>(dstLen));
    Allocate(axis.weights, static_cast<std::size_t>(dstLen) * static_cast<std::size_t>(axis.taps));
    std::vector<double> w;
    Allocate(w, static_cast<std::size_t>(axis.taps));
    for (int i = 0; i < dstLen; ++i) {
        const double centre = (i + 0.5) / scale - 0.5;
        const int lo = static_cast<int>(std::floor(centre - support)) + 1;
        const int hi = static_cast<int>(std::ceil(centre + support)) - 1;
        const int clampedLo = std::clamp(lo, 0, srcLen - 1);
        const int start = std::min(clampedLo, srcLen - axis.taps);
        std::fill(w.begin(), w.end(), 0.0);
        double sum = 0.0;
        for (int j = lo; j <= hi; ++j) {
            const double v = kernel.f((j - centre) / widen);
            const int k = std::clamp(j, 0, srcLen - 1) - start; // edges repeat the border pixel
            if (k < 0 || k >= axis.taps) continue;
            w[static_cast<std::size_t>(k)] += v;
            sum += v;
        }
        if (std::fabs(sum) < 1e-12) {
            // A window that caught no weight (only with point-like kernels): nearest pixel.
            std::fill(w.begin(), w.end(), 0.0);
            const int j = std::clamp(static_cast<int>(std::lround(centre)), 0, srcLen - 1);
            w[static_cast<std::size_t>(j - start)] = 1.0;
            sum = 1.0;
        }
        std::int16_t* out = axis.weights.data() + static_cast<std::size_t>(i) * axis.taps;
        int total = 0;
        int biggest = 0;
        for (int k = 0; k < axis.taps; ++k) {
            out[k] = static_cast<std::int16_t>(std::lround(w[static_cast<std::size_t>(k)] / sum * kWeightOne));
            total += out[k];
            if (std::abs(out[k]) > std::abs(out[biggest])) biggest = k;
        }
        out[biggest] = static_cast<std::int16_t>(out[biggest] + (kWeightOne - total));
        axis.start[static_cast<std::size_t>(i)] = start;
    }
    MakePairs(axis, dstLen);
    return axis;
}

Axis MakeAxis(int srcLen, int dstLen, ResampleFilter filter, Mode mode)
{
    if (mode != Mode::Convolve) return FootprintAxis(srcLen, dstLen);
    if (filter == ResampleFilter::rfNone) return PointAxis(srcLen, dstLen);
    return ConvolutionAxis(srcLen, dstLen, KernelOf(filter));
}

inline std::uint8_t FromFixed(int acc)
{
    const int v = (acc + (kWeightOne >> 1)) >> kWeightBits;
    return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

#if IX_RESAMPLE_SSE2
// One row of 3-channel pixels scaled along x, two taps per pair multiply-add.
void HorizontalRowSse2(const std::uint8_t* s, std::uint8_t* d, int dstW, const Axis& axis)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi32(kWeightOne >> 1);
    const int taps = axis.taps;
    const int n = (taps + 1) / 2;
    const std::int32_t* pairs = axis.pairs.data();
    for (int x = 0; x < dstW; ++x, pairs += n) {
        const std::uint8_t* p = s + static_cast<std::size_t>(axis.start[static_cast<std::size_t>(x)]) * 3;
        __m128i acc = half;
        for (int k = 0; k < n; ++k, p += 6) {
            std::int32_t v0, v1 = 0;
            std::memcpy(&v0, p, 4);
            if (2 * k + 1 < taps) std::memcpy(&v1, p + 3, 4);
            const __m128i ab = _mm_unpacklo_epi8(_mm_cvtsi32_si128(v0), _mm_cvtsi32_si128(v1));
            acc = _mm_add_epi32(acc, _mm_madd_epi16(_mm_unpacklo_epi8(ab, zero), _mm_set1_epi32(pairs[k])));
        }
        const __m128i packed = _mm_srai_epi32(acc, kWeightBits);
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(packed, packed), zero);
        const std::int32_t out = _mm_cvtsi128_si32(bytes);
        std::memcpy(d + 3 * static_cast<std::size_t>(x), &out, 3);
    }
}
#endif

// One plane of `rows` rows: scaled along x from srcW to axis-size pixels of C channels.
template <int C>
void HorizontalPass(const std::uint8_t* src, std::size_t srcStride, std::uint8_t* dst, std::size_t dstStride,
                    int rows, int dstW, const Axis& axis, Mode mode)
{
    const int taps = axis.taps;
    for (int y = 0; y < rows; ++y) {
        const std::uint8_t* s = src + static_cast<std::size_t>(y) * srcStride;
        std::uint8_t* d = dst + static_cast<std::size_t>(y) * dstStride;
        if (mode != Mode::Convolve) {
            for (int x = 0; x < dstW; ++x) {
                const int first = axis.start[static_cast<std::size_t>(x)];
                const int n = axis.count[static_cast<std::size_t>(x)];
                for (int c = 0; c < C; ++c) {
                    int v = s[first * C + c];
                    for (int k = 1; k < n; ++k) {
                        const int p = s[(first + k) * C + c];
                        v = mode == Mode::Min ? std::min(v, p) : std::max(v, p);
                    }
                    d[x * C + c] = static_cast<std::uint8_t>(v);
                }
            }
            continue;
        }
#if IX_RESAMPLE_SSE2
        // Four-byte loads read one byte past a pixel: not on the buffer's last row.
        if (C == 3 && y + 1 < rows) {
            HorizontalRowSse2(s, d, dstW, axis);
            continue;
        }
#endif
        const std::int16_t* w = axis.weights.data();
        for (int x = 0; x < dstW; ++x, w += taps) {
            const std::uint8_t* p = s + static_cast<std::size_t>(axis.start[static_cast<std::size_t>(x)]) * C;
            int acc[C] = {};
            for (int k = 0; k < taps; ++k)
                for (int c = 0; c < C; ++c) acc[c] += w[k] * p[k * C + c];
            for (int c = 0; c < C; ++c) d[x * C + c] = FromFixed(acc[c]);
        }
    }
}

#if IX_RESAMPLE_SSE2
// `bytes` (a multiple of 16) bytes of one output row: the weighted sum of `taps` source
// rows, two rows at a time with 16-bit pair multiply-adds.
void VerticalRowSse2(const std::uint8_t* first, std::size_t stride, const std::int16_t* w, int taps,
                     std::uint8_t* d, std::size_t bytes)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi32(kWeightOne >> 1);
    for (std::size_t x = 0; x < bytes; x += 16) {
        __m128i acc0 = half, acc1 = half, acc2 = half, acc3 = half;
        for (int k = 0; k < taps; k += 2) {
            const std::uint8_t* r0 = first + static_cast<std::size_t>(k) * stride + x;
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(r0));
            __m128i b = zero;
            std::int16_t w1 = 0;
            if (k + 1 < taps) {
                b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(r0 + stride));
                w1 = w[k + 1];
            }
            const __m128i wk = _mm_set1_epi32(static_cast<int>(static_cast<std::uint16_t>(w[k])) |
                                              static_cast<int>(static_cast<std::uint32_t>(static_cast<std::uint16_t>(w1)) << 16));
            const __m128i lo = _mm_unpacklo_epi8(a, b);
            const __m128i hi = _mm_unpackhi_epi8(a, b);
            acc0 = _mm_add_epi32(acc0, _mm_madd_epi16(_mm_unpacklo_epi8(lo, zero), wk));
            acc1 = _mm_add_epi32(acc1, _mm_madd_epi16(_mm_unpackhi_epi8(lo, zero), wk));
            acc2 = _mm_add_epi32(acc2, _mm_madd_epi16(_mm_unpacklo_epi8(hi, zero), wk));
            acc3 = _mm_add_epi32(acc3, _mm_madd_epi16(_mm_unpackhi_epi8(hi, zero), wk));
        }
        const __m128i p0 = _mm_packs_epi32(_mm_srai_epi32(acc0, kWeightBits), _mm_srai_epi32(acc1, kWeightBits));
        const __m128i p1 = _mm_packs_epi32(_mm_srai_epi32(acc2, kWeightBits), _mm_srai_epi32(acc3, kWeightBits));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + x), _mm_packus_epi16(p0, p1));
    }
}
#endif

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
// The same 32 bytes at a time where the processor has 256-bit integer vectors. The
// unpacks and packs work within each 128-bit half, so the bytes come out in order.
__attribute__((target("avx2"))) void VerticalRowAvx2(const std::uint8_t* first, std::size_t stride,
                                                     const std::int16_t* w, int taps, std::uint8_t* d,
                                                     std::size_t bytes)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i half = _mm256_set1_epi32(kWeightOne >> 1);
    std::size_t x = 0;
    for (; x + 32 <= bytes; x += 32) {
        __m256i acc0 = half, acc1 = half, acc2 = half, acc3 = half;
        for (int k = 0; k < taps; k += 2) {
            const std::uint8_t* r0 = first + static_cast<std::size_t>(k) * stride + x;
            const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(r0));
            __m256i b = zero;
            std::int16_t w1 = 0;
            if (k + 1 < taps) {
                b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(r0 + stride));
                w1 = w[k + 1];
            }
            const __m256i wk = _mm256_set1_epi32(static_cast<int>(static_cast<std::uint16_t>(w[k])) |
                                                 static_cast<int>(static_cast<std::uint32_t>(static_cast<std::uint16_t>(w1)) << 16));
            const __m256i lo = _mm256_unpacklo_epi8(a, b);
            const __m256i hi = _mm256_unpackhi_epi8(a, b);
            acc0 = _mm256_add_epi32(acc0, _mm256_madd_epi16(_mm256_unpacklo_epi8(lo, zero), wk));
            acc1 = _mm256_add_epi32(acc1, _mm256_madd_epi16(_mm256_unpackhi_epi8(lo, zero), wk));
            acc2 = _mm256_add_epi32(acc2, _mm256_madd_epi16(_mm256_unpacklo_epi8(hi, zero), wk));
            acc3 = _mm256_add_epi32(acc3, _mm256_madd_epi16(_mm256_unpackhi_epi8(hi, zero), wk));
        }
        const __m256i p0 = _mm256_packs_epi32(_mm256_srai_epi32(acc0, kWeightBits), _mm256_srai_epi32(acc1, kWeightBits));
        const __m256i p1 = _mm256_packs_epi32(_mm256_srai_epi32(acc2, kWeightBits), _mm256_srai_epi32(acc3, kWeightBits));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + x), _mm256_packus_epi16(p0, p1));
    }
    if (x < bytes) VerticalRowSse2(first + x, stride, w, taps, d + x, bytes - x);
}

using VerticalRowFn = void (*)(const std::uint8_t*, std::size_t, const std::int16_t*, int, std::uint8_t*, std::size_t);
VerticalRowFn VerticalRow()
{
    static const VerticalRowFn fn = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") ? VerticalRowAvx2 : VerticalRowSse2;
    }();
    return fn;
}
#elif IX_RESAMPLE_SSE2
constexpr auto VerticalRow() { return VerticalRowSse2; }
#endif

// One plane scaled along y: each output row is a weighted sum of whole source rows.
void VerticalPass(const std::uint8_t* src, std::size_t srcStride, std::uint8_t* dst, std::size_t dstStride,
                  std::size_t rowBytes, int dstH, const Axis& axis, Mode mode)
{
    constexpr std::size_t kTile = 2048;
    int acc[kTile];
    const int taps = axis.taps;
    for (int y = 0; y < dstH; ++y) {
        std::uint8_t* d = dst + static_cast<std::size_t>(y) * dstStride;
        if (mode != Mode::Convolve) {
            const int first = axis.start[static_cast<std::size_t>(y)];
            const int n = axis.count[static_cast<std::size_t>(y)];
            std::memcpy(d, src + static_cast<std::size_t>(first) * srcStride, rowBytes);
            for (int k = 1; k < n; ++k) {
                const std::uint8_t* s = src + static_cast<std::size_t>(first + k) * srcStride;
                if (mode == Mode::Min)
                    for (std::size_t x = 0; x < rowBytes; ++x) d[x] = std::min(d[x], s[x]);
                else
                    for (std::size_t x = 0; x < rowBytes; ++x) d[x] = std::max(d[x], s[x]);
            }
            continue;
        }
        const std::int16_t* w = axis.weights.data() + static_cast<std::size_t>(y) * taps;
        const std::uint8_t* first = src + static_cast<std::size_t>(axis.start[static_cast<std::size_t>(y)]) * srcStride;
#if IX_RESAMPLE_SSE2
        const std::size_t vectorBytes = rowBytes & ~std::size_t{15};
        VerticalRow()(first, srcStride, w, taps, d, vectorBytes);
        for (std::size_t x = vectorBytes; x < rowBytes; ++x) {
            int sum = kWeightOne >> 1;
            for (int k = 0; k < taps; ++k) sum += w[k] * first[static_cast<std::size_t>(k) * srcStride + x];
            const int v = sum >> kWeightBits;
            d[x] = static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
        }
        continue;
#endif
        for (std::size_t x0 = 0; x0 < rowBytes; x0 += kTile) {
            const std::size_t n = std::min(kTile, rowBytes - x0);
            std::fill_n(acc, n, kWeightOne >> 1);
            for (int k = 0; k < taps; ++k) {
                const int wk = w[k];
                if (wk == 0) continue;
                const std::uint8_t* s = first + static_cast<std::size_t>(k) * srcStride + x0;
                for (std::size_t x = 0; x < n; ++x) acc[x] += wk * s[x];
            }
            for (std::size_t x = 0; x < n; ++x) {
                const int v = acc[x] >> kWeightBits;
                d[x0 + x] = static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
            }
        }
    }
}

// Scales one plane of C interleaved channels, contiguous rows of srcW·C bytes.
template <int C>
void ScalePlane(const std::uint8_t* src, int srcW, int srcH, std::uint8_t* dst, int dstW, int dstH,
                ResampleFilter filter, Mode mode)
{
    const std::size_t srcStride = static_cast<std::size_t>(srcW) * C;
    const std::size_t dstStride = static_cast<std::size_t>(dstW) * C;
    const bool scaleX = srcW != dstW;
    const bool scaleY = srcH != dstH;
    if (!scaleX && !scaleY) {
        std::memcpy(dst, src, srcStride * static_cast<std::size_t>(srcH));
        return;
    }
    Axis ax, ay;
    if (scaleX) ax = MakeAxis(srcW, dstW, filter, mode);
    if (scaleY) ay = MakeAxis(srcH, dstH, filter, mode);
    if (!scaleY) {
        HorizontalPass<C>(src, srcStride, dst, dstStride, srcH, dstW, ax, mode);
        return;
    }
    if (!scaleX) {
        VerticalPass(src, srcStride, dst, dstStride, srcStride, dstH, ay, mode);
        return;
    }
    // The horizontal pass is the costlier one per sample: run it on the smaller number of rows.
    const double costHFirst = 4.0 * srcH * dstW * ax.taps + 1.0 * dstH * dstW * ay.taps * C;
    const double costVFirst = 1.0 * dstH * srcW * ay.taps * C + 4.0 * dstH * dstW * ax.taps;
    // The intermediate picture of either order; the smaller one is never larger than
    // the source or the target, so it always fits where they do.
    const double midHFirst = static_cast<double>(dstStride) * srcH;
    const double midVFirst = static_cast<double>(srcStride) * dstH;
    const double ceiling = static_cast<double>(Picture::kMaxBytes);
    const bool hFirst = midHFirst > ceiling ? false : midVFirst > ceiling ? true : costHFirst <= costVFirst;
    std::vector<std::uint8_t> mid;
    if (hFirst) {
        Allocate(mid, dstStride * static_cast<std::size_t>(srcH));
        HorizontalPass<C>(src, srcStride, mid.data(), dstStride, srcH, dstW, ax, mode);
        VerticalPass(mid.data(), dstStride, dst, dstStride, dstStride, dstH, ay, mode);
    } else {
        Allocate(mid, srcStride * static_cast<std::size_t>(dstH));
        VerticalPass(src, srcStride, mid.data(), srcStride, srcStride, dstH, ay, mode);
        HorizontalPass<C>(mid.data(), srcStride, dst, dstStride, dstH, dstW, ax, mode);
    }
}

} // namespace

Picture Resampled(const Picture& src, Size size, ResampleFilter filter)
{
    if (src.IsEmpty()) return src;
    if (src.Format() == PixelFormat::BlackWhite1) {
        Picture colour = src;
        colour.ConvertTo(PixelFormat::Bgr24);
        Picture out = Resampled(colour, size, filter);
        out.ConvertTo(PixelFormat::BlackWhite1);
        return out;
    }
    Picture out(size, colors::Black);
    out.SetDpi(src.DpiX(), src.DpiY());
    if (out.IsEmpty()) return out;
    const Mode mode = filter == ResampleFilter::rfProjectBW ? Mode::Min
                      : filter == ResampleFilter::rfProjectWB ? Mode::Max
                                                               : Mode::Convolve;
    ScalePlane<3>(src.Row(0), src.Width(), src.Height(), out.Row(0), out.Width(), out.Height(), filter, mode);
    if (src.HasAlpha()) {
        out.EnsureAlpha(255);
        // Coverage is never "projected": a projection filter keeps the alpha of the nearest pixel.
        const ResampleFilter alphaFilter = mode == Mode::Convolve ? filter : ResampleFilter::rfNone;
        ScalePlane<1>(src.AlphaRow(0), src.Width(), src.Height(), out.AlphaRow(0), out.Width(), out.Height(),
                      alphaFilter, Mode::Convolve);
    }
    return out;
}

void Resample(Picture& picture, Size size, ResampleFilter filter)
{
    if (picture.IsEmpty() || picture.GetSize() == size) return;
    picture = Resampled(picture, size, filter);
}

} // namespace ix::gfx
