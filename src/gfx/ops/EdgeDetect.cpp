#include "gfx/ops/EdgeDetect.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace ix::gfx {

namespace {

// One ISEF pass along a line of n values at `stride`.
void IsefLine(float* data, int n, std::size_t stride, float b, std::vector<float>& causal, std::vector<float>& anti)
{
    causal.resize(static_cast<std::size_t>(n));
    anti.resize(static_cast<std::size_t>(n));
    const float a = 1.0f - b;
    float c = data[0];
    for (int i = 0; i < n; ++i) causal[static_cast<std::size_t>(i)] = c = a * data[static_cast<std::size_t>(i) * stride] + b * c;
    c = data[static_cast<std::size_t>(n - 1) * stride];
    for (int i = n - 1; i >= 0; --i) anti[static_cast<std::size_t>(i)] = c = a * data[static_cast<std::size_t>(i) * stride] + b * c;
    for (int i = 0; i < n; ++i) {
        const float x = data[static_cast<std::size_t>(i) * stride];
        data[static_cast<std::size_t>(i) * stride] = (causal[static_cast<std::size_t>(i)] + anti[static_cast<std::size_t>(i)] - a * x) / (1.0f + b);
    }
}

} // namespace

void EdgeDetect(Picture& picture, double smoothing, double ratio, int window, double /*thinning*/, bool hysteresis)
{
    picture.ConvertTo(PixelFormat::Bgr24);
    if (picture.IsEmpty()) return;
    const int w = picture.Width();
    const int h = picture.Height();
    const std::size_t n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    const float b = static_cast<float>(std::clamp(smoothing, 0.0, 0.999));
    window = std::clamp(window, 3, 63) | 1;
    ratio = std::clamp(ratio, 0.0, 1.0);

    std::vector<float> grey(n);
    for (int y = 0; y < h; ++y) {
        const Bgr* row = picture.BgrRow(y);
        for (int x = 0; x < w; ++x) grey[static_cast<std::size_t>(y) * w + x] = 0.299f * row[x].r + 0.587f * row[x].g + 0.114f * row[x].b;
    }
    std::vector<float> smooth = grey;
    std::vector<float> t1, t2;
    for (int y = 0; y < h; ++y) IsefLine(smooth.data() + static_cast<std::size_t>(y) * w, w, 1, b, t1, t2);
    for (int x = 0; x < w; ++x) IsefLine(smooth.data() + x, h, static_cast<std::size_t>(w), b, t1, t2);

    std::vector<std::uint8_t> positive(n);
    for (std::size_t i = 0; i < n; ++i) positive[i] = smooth[i] - grey[i] > 0.0f;

    // Integral images of the luminance and count on the positive side, and of all.
    const std::size_t iw = static_cast<std::size_t>(w) + 1;
    std::vector<double> sumPos(iw * (static_cast<std::size_t>(h) + 1)), cntPos(sumPos.size()), sumAll(sumPos.size());
    for (int y = 0; y < h; ++y) {
        double rp = 0, rc = 0, ra = 0;
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            if (positive[i]) {
                rp += grey[i];
                rc += 1;
            }
            ra += grey[i];
            const std::size_t j = (static_cast<std::size_t>(y) + 1) * iw + x + 1;
            sumPos[j] = sumPos[j - iw] + rp;
            cntPos[j] = cntPos[j - iw] + rc;
            sumAll[j] = sumAll[j - iw] + ra;
        }
    }
    auto boxSum = [&](const std::vector<double>& s, int x0, int y0, int x1, int y1) {
        return s[static_cast<std::size_t>(y1) * iw + x1] - s[static_cast<std::size_t>(y0) * iw + x1] - s[static_cast<std::size_t>(y1) * iw + x0] +
               s[static_cast<std::size_t>(y0) * iw + x0];
    };

    std::vector<float> strength(n, -1.0f); // -1: no zero crossing
    std::vector<float> candidates;
    const int half = window / 2;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            if (!positive[i]) continue;
            const bool crossing = (x + 1 < w && !positive[i + 1]) || (x > 0 && !positive[i - 1]) ||
                                  (y + 1 < h && !positive[i + static_cast<std::size_t>(w)]) || (y > 0 && !positive[i - static_cast<std::size_t>(w)]);
            if (!crossing) continue;
            const int x0 = std::max(0, x - half), y0 = std::max(0, y - half);
            const int x1 = std::min(w, x + half + 1), y1 = std::min(h, y + half + 1);
            const double cp = boxSum(cntPos, x0, y0, x1, y1);
            const double ca = static_cast<double>(x1 - x0) * (y1 - y0);
            if (cp <= 0 || cp >= ca) continue;
            const double sp = boxSum(sumPos, x0, y0, x1, y1);
            const double sn = boxSum(sumAll, x0, y0, x1, y1) - sp;
            const auto g = static_cast<float>(std::abs(sp / cp - sn / (ca - cp)));
            strength[i] = g;
            candidates.push_back(g);
        }
    }
    std::vector<std::uint8_t> edge(n);
    if (!candidates.empty()) {
        const auto k = static_cast<std::size_t>(ratio * static_cast<double>(candidates.size() - 1));
        std::nth_element(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(k), candidates.end());
        const float high = std::max(candidates[k], 1.0f); // flat pictures have no edges
        const float low = hysteresis ? high / 2 : high;
        std::vector<std::size_t> stack;
        for (std::size_t i = 0; i < n; ++i) {
            if (strength[i] < high || edge[i]) continue;
            edge[i] = 1;
            stack.push_back(i);
            while (!stack.empty()) {
                const std::size_t j = stack.back();
                stack.pop_back();
                const int jx = static_cast<int>(j % static_cast<std::size_t>(w)), jy = static_cast<int>(j / static_cast<std::size_t>(w));
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int qx = jx + dx, qy = jy + dy;
                        if (qx < 0 || qy < 0 || qx >= w || qy >= h) continue;
                        const std::size_t q = static_cast<std::size_t>(qy) * w + qx;
                        if (edge[q] || strength[q] < low) continue;
                        edge[q] = 1;
                        stack.push_back(q);
                    }
            }
        }
    }
    for (int y = 0; y < h; ++y) {
        Bgr* row = picture.BgrRow(y);
        for (int x = 0; x < w; ++x) {
            const std::uint8_t v = edge[static_cast<std::size_t>(y) * w + x] ? 255 : 0;
            row[x] = Bgr{v, v, v};
        }
    }
}

} // namespace ix::gfx
