#include "gfx/Blend.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numbers>

#if defined(__x86_64__) && defined(__GNUC__)
#include <tmmintrin.h>
#define IX_BLEND_SSSE3 1
#else
#define IX_BLEND_SSSE3 0
#endif

namespace ix::gfx {

namespace {

// round(v / 255) for 0 <= v <= 65025, without a division.
constexpr int Div255(int v) { return (v + 128 + ((v + 128) >> 8)) >> 8; }
constexpr int Clamp255(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

// Separable operations: one formula per channel, s = source, d = destination, 0..255.
struct OpNormal { static int Ch(int s, int) { return s; } };
struct OpAdd { static int Ch(int s, int d) { return std::min(s + d, 255); } };
struct OpSub { static int Ch(int s, int d) { return std::max(d - s, 0); } };
struct OpDiv { static int Ch(int s, int d) { return s == 0 ? (d == 0 ? 0 : 255) : std::min(d * 255 / s, 255); } };
struct OpMul { static int Ch(int s, int d) { return Div255(s * d); } };
struct OpOr { static int Ch(int s, int d) { return s | d; } };
struct OpAnd { static int Ch(int s, int d) { return s & d; } };
struct OpXor { static int Ch(int s, int d) { return s ^ d; } };
struct OpMax { static int Ch(int s, int d) { return std::max(s, d); } };
struct OpMin { static int Ch(int s, int d) { return std::min(s, d); } };
struct OpAverage { static int Ch(int s, int d) { return (s + d) >> 1; } };
struct OpScreen { static int Ch(int s, int d) { return 255 - Div255((255 - s) * (255 - d)); } };
struct OpNegation {
    static int Ch(int s, int d)
    {
        const int v = 255 - s - d;
        return 255 - (v < 0 ? -v : v);
    }
};
struct OpExclusion { static int Ch(int s, int d) { return s + d - 2 * Div255(s * d); } };
struct OpOverlay {
    static int Ch(int s, int d) { return d < 128 ? Div255(2 * s * d) : 255 - Div255(2 * (255 - s) * (255 - d)); }
};
struct OpHardLight {
    static int Ch(int s, int d) { return s < 128 ? Div255(2 * s * d) : 255 - Div255(2 * (255 - s) * (255 - d)); }
};
struct OpSoftLight {
    static int Ch(int s, int d)
    {
        const int m = Div255(s * d);
        const int screen = 255 - Div255((255 - s) * (255 - d));
        return Div255((255 - d) * m + d * screen);
    }
};
struct OpXFader { static int Ch(int s, int d) { return Div255(s * s + d * (255 - s)); } };
struct OpColorEdge { static int Ch(int s, int d) { return s == 255 ? 255 : std::min(d * 255 / (255 - s), 255); } };
struct OpColorBurn { static int Ch(int s, int d) { return s == 0 ? 0 : std::max(255 - (255 - d) * 255 / s, 0); } };
struct OpInverseColorDodge {
    static int Ch(int s, int d) { return d == 255 ? 255 : std::min(s * 255 / (255 - d), 255); }
};
struct OpInverseColorBurn {
    static int Ch(int s, int d) { return d == 0 ? 0 : std::max(255 - (255 - s) * 255 / d, 0); }
};
struct OpSoftDodge {
    static int Ch(int s, int d)
    {
        if (s + d < 256) return s == 255 ? 255 : std::min(d * 128 / (255 - s), 255);
        return std::max(255 - (255 - s) * 128 / d, 0);
    }
};
struct OpSoftBurn {
    static int Ch(int s, int d)
    {
        if (s + d < 256) return d == 255 ? 255 : std::min(s * 128 / (255 - d), 255);
        return std::max(255 - (255 - d) * 128 / s, 0);
    }
};
struct OpReflect { static int Ch(int s, int d) { return s == 255 ? 255 : std::min(d * d / (255 - s), 255); } };
struct OpGlow { static int Ch(int s, int d) { return d == 255 ? 255 : std::min(s * s / (255 - d), 255); } };
struct OpFreeze { static int Ch(int s, int d) { return s == 0 ? 0 : std::max(255 - (255 - d) * (255 - d) / s, 0); } };
struct OpEat { static int Ch(int s, int d) { return d == 0 ? 0 : std::max(255 - (255 - s) * (255 - s) / d, 0); } };
struct OpSubtractive { static int Ch(int s, int d) { return std::max(s + d - 255, 0); } };

// 64 − 64·cos(π·v/255), rounded: the half-cosine ramp of the interpolation operation.
const std::array<std::uint8_t, 256>& CosineRamp()
{
    static const std::array<std::uint8_t, 256> table = [] {
        std::array<std::uint8_t, 256> t{};
        for (int v = 0; v < 256; ++v)
            t[static_cast<std::size_t>(v)] =
                static_cast<std::uint8_t>(std::lround(64.0 - 64.0 * std::cos(std::numbers::pi * v / 255.0)));
        return t;
    }();
    return table;
}
struct OpInterpolation {
    static int Ch(int s, int d)
    {
        const auto& ramp = CosineRamp();
        return std::min(ramp[static_cast<std::size_t>(s)] + ramp[static_cast<std::size_t>(d)], 255);
    }
};
struct OpStamp { static int Ch(int s, int d) { return Clamp255(d + 2 * s - 256); } };

// Non-separable operations work on whole pixels.
struct OpRed { static Bgr Px(Bgr s, Bgr d) { return {d.b, d.g, s.r}; } };
struct OpGreen { static Bgr Px(Bgr s, Bgr d) { return {d.b, s.g, d.r}; } };
struct OpBlue { static Bgr Px(Bgr s, Bgr d) { return {s.b, d.g, d.r}; } };

// Hue, saturation, colour and luminosity in the usual luminance model
// (Lum = 0.30 R + 0.59 G + 0.11 B; SetLum clips into gamut towards the luminance).
struct Rgbf {
    float r, g, b;
};
float Lum(Rgbf c) { return 0.30f * c.r + 0.59f * c.g + 0.11f * c.b; }
Rgbf ClipColor(Rgbf c)
{
    const float l = Lum(c);
    const float n = std::min({c.r, c.g, c.b});
    const float x = std::max({c.r, c.g, c.b});
    if (n < 0.0f && l - n > 1e-6f) {
        c = {l + (c.r - l) * l / (l - n), l + (c.g - l) * l / (l - n), l + (c.b - l) * l / (l - n)};
    }
    if (x > 255.0f && x - l > 1e-6f) {
        const float k = (255.0f - l) / (x - l);
        c = {l + (c.r - l) * k, l + (c.g - l) * k, l + (c.b - l) * k};
    }
    return c;
}
Rgbf SetLum(Rgbf c, float l)
{
    const float d = l - Lum(c);
    return ClipColor({c.r + d, c.g + d, c.b + d});
}
float Sat(Rgbf c) { return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}); }
Rgbf SetSat(Rgbf c, float s)
{
    float* ch[3] = {&c.r, &c.g, &c.b};
    std::sort(ch, ch + 3, [](const float* a, const float* b) { return *a < *b; });
    float& mn = *ch[0];
    float& mid = *ch[1];
    float& mx = *ch[2];
    if (mx > mn) {
        mid = (mid - mn) * s / (mx - mn);
        mx = s;
    } else {
        mid = 0.0f;
        mx = 0.0f;
    }
    mn = 0.0f;
    return c;
}
Rgbf ToF(Bgr p) { return {float(p.r), float(p.g), float(p.b)}; }
Bgr ToBgr(Rgbf c)
{
    auto q = [](float v) { return static_cast<std::uint8_t>(Clamp255(static_cast<int>(std::lround(v)))); };
    return {q(c.b), q(c.g), q(c.r)};
}
struct OpHue { static Bgr Px(Bgr s, Bgr d) { return ToBgr(SetLum(SetSat(ToF(s), Sat(ToF(d))), Lum(ToF(d)))); } };
struct OpSaturation { static Bgr Px(Bgr s, Bgr d) { return ToBgr(SetLum(SetSat(ToF(d), Sat(ToF(s))), Lum(ToF(d)))); } };
struct OpColor { static Bgr Px(Bgr s, Bgr d) { return ToBgr(SetLum(ToF(s), Lum(ToF(d)))); } };
struct OpLuminosity { static Bgr Px(Bgr s, Bgr d) { return ToBgr(SetLum(ToF(d), Lum(ToF(s)))); } };

// out may equal d (in-place); s, d, out are `pixels` pixels long.
using ChunkFn = void (*)(const std::uint8_t* s, const std::uint8_t* d, std::uint8_t* out, int pixels);

template <class Op>
void SeparableChunk(const std::uint8_t* s, const std::uint8_t* d, std::uint8_t* out, int pixels)
{
    const int n = pixels * 3;
    for (int i = 0; i < n; ++i) out[i] = static_cast<std::uint8_t>(Op::Ch(s[i], d[i]));
}

template <class Op>
void PixelChunk(const std::uint8_t* s, const std::uint8_t* d, std::uint8_t* out, int pixels)
{
    for (int i = 0; i < pixels; ++i) {
        const Bgr sp{s[3 * i], s[3 * i + 1], s[3 * i + 2]};
        const Bgr dp{d[3 * i], d[3 * i + 1], d[3 * i + 2]};
        const Bgr r = Op::Px(sp, dp);
        out[3 * i] = r.b;
        out[3 * i + 1] = r.g;
        out[3 * i + 2] = r.r;
    }
}

constexpr std::array<ChunkFn, kBlendOpCount> kChunks = {
    SeparableChunk<OpNormal>, SeparableChunk<OpAdd>, SeparableChunk<OpSub>, SeparableChunk<OpDiv>,
    SeparableChunk<OpMul>, SeparableChunk<OpOr>, SeparableChunk<OpAnd>, SeparableChunk<OpXor>,
    SeparableChunk<OpMax>, SeparableChunk<OpMin>, SeparableChunk<OpAverage>, SeparableChunk<OpScreen>,
    SeparableChunk<OpNegation>, SeparableChunk<OpExclusion>, SeparableChunk<OpOverlay>,
    SeparableChunk<OpHardLight>, SeparableChunk<OpSoftLight>, SeparableChunk<OpXFader>,
    SeparableChunk<OpColorEdge>, SeparableChunk<OpColorBurn>, SeparableChunk<OpInverseColorDodge>,
    SeparableChunk<OpInverseColorBurn>, SeparableChunk<OpSoftDodge>, SeparableChunk<OpSoftBurn>,
    SeparableChunk<OpReflect>, SeparableChunk<OpGlow>, SeparableChunk<OpFreeze>, SeparableChunk<OpEat>,
    SeparableChunk<OpSubtractive>, SeparableChunk<OpInterpolation>, SeparableChunk<OpStamp>,
    PixelChunk<OpRed>, PixelChunk<OpGreen>, PixelChunk<OpBlue>, PixelChunk<OpHue>,
    PixelChunk<OpSaturation>, PixelChunk<OpColor>, PixelChunk<OpLuminosity>,
};

// A pixel row as its bytes (blue, green, red, blue, ...).
const std::uint8_t* Bytes(const Bgr* p) { return reinterpret_cast<const std::uint8_t*>(p); }
std::uint8_t* Bytes(Bgr* p) { return reinterpret_cast<std::uint8_t*>(p); }

ChunkFn ChunkOf(BlendOp op)
{
    const int n = static_cast<int>(op);
    return kChunks[static_cast<std::size_t>(n >= 0 && n < kBlendOpCount ? n : 0)];
}

// dst[i] := round((f[i]·a + dst[i]·(255 − a)) / 255) with one coverage for all bytes.
void MixUniform(const std::uint8_t* f, std::uint8_t* dst, int bytes, int a)
{
    const int na = 255 - a;
    for (int i = 0; i < bytes; ++i) dst[i] = static_cast<std::uint8_t>(Div255(f[i] * a + dst[i] * na));
}

// The same with a coverage byte per destination byte.
void MixCoverage(const std::uint8_t* f, const std::uint8_t* cov, std::uint8_t* dst, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        const int a = cov[i];
        dst[i] = static_cast<std::uint8_t>(Div255(f[i] * a + dst[i] * (255 - a)));
    }
}

// cov[3i..3i+2] := a[i]: one coverage byte per colour byte.
void ExpandCoverage(const std::uint8_t* a, std::uint8_t* cov, int n)
{
    for (int i = 0; i < n; ++i) cov[3 * i] = cov[3 * i + 1] = cov[3 * i + 2] = a[i];
}

#if IX_BLEND_SSSE3
// The same sixteen pixels at a time with byte shuffles, where the processor has them.
__attribute__((target("ssse3"))) void ExpandCoverageSsse3(const std::uint8_t* a, std::uint8_t* cov, int n)
{
    const __m128i m0 = _mm_setr_epi8(0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5);
    const __m128i m1 = _mm_setr_epi8(5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10);
    const __m128i m2 = _mm_setr_epi8(10, 11, 11, 11, 12, 12, 12, 13, 13, 13, 14, 14, 14, 15, 15, 15);
    int i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        std::uint8_t* out = cov + 3 * i;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_shuffle_epi8(v, m0));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16), _mm_shuffle_epi8(v, m1));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 32), _mm_shuffle_epi8(v, m2));
    }
    ExpandCoverage(a + i, cov + 3 * i, n - i);
}

using ExpandFn = void (*)(const std::uint8_t*, std::uint8_t*, int);
ExpandFn Expander()
{
    static const ExpandFn fn = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("ssse3") ? ExpandCoverageSsse3 : ExpandCoverage;
    }();
    return fn;
}
#else
constexpr auto Expander() { return ExpandCoverage; }
#endif

} // namespace

Bgr BlendColor(BlendOp op, Bgr src, Bgr dst)
{
    Bgr out;
    ChunkOf(op)(Bytes(&src), Bytes(&dst), Bytes(&out), 1);
    return out;
}

Bgr BlendPixel(BlendOp op, Bgr src, std::uint8_t srcAlpha, Bgr dst, int transparency)
{
    BlendRow(op, &src, &srcAlpha, &dst, 1, transparency);
    return dst;
}

void BlendRow(BlendOp op, const Bgr* src, const std::uint8_t* srcAlpha, Bgr* dst, int count, int transparency)
{
    const int t = ClampTransparency(transparency);
    if (count <= 0 || t == 0) return;
    const ChunkFn fn = ChunkOf(op);
    const bool normal = fn == kChunks[0];
    const auto expand = Expander();
    constexpr int kChunkPixels = 256;
    std::uint8_t f[kChunkPixels * 3];
    std::uint8_t cov[kChunkPixels * 3];
    for (int start = 0; start < count; start += kChunkPixels) {
        const int n = std::min(kChunkPixels, count - start);
        const std::uint8_t* s = Bytes(src + start);
        std::uint8_t* d = Bytes(dst + start);
        if (!srcAlpha && t == 255) {
            if (normal) std::memmove(d, s, static_cast<std::size_t>(n) * 3);
            else fn(s, d, d, n);
            continue;
        }
        const std::uint8_t* values = s;
        if (!normal) {
            fn(s, d, f, n);
            values = f;
        }
        if (!srcAlpha) {
            MixUniform(values, d, n * 3, t);
            continue;
        }
        const std::uint8_t* a = srcAlpha + start;
        if (t == 255) {
            expand(a, cov, n);
        } else {
            std::uint8_t scaled[kChunkPixels];
            for (int i = 0; i < n; ++i) scaled[i] = static_cast<std::uint8_t>(Div255(a[i] * t));
            expand(scaled, cov, n);
        }
        MixCoverage(values, cov, d, n * 3);
    }
}

} // namespace ix::gfx
