#include "gfx/ops/GammaCorrect.h"

#include <algorithm>
#include <cmath>

namespace ix::gfx {

void GammaCorrect(Picture& picture, double gamma, const SelectedArea& area)
{
    if (!(gamma > 0) || !std::isfinite(gamma)) return;
    ChannelTable table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(
            std::clamp(std::lround(255.0 * std::pow(c / 255.0, 1.0 / gamma)), 0L, 255L));
    ApplyChannelTable(picture, table, area);
}

} // namespace ix::gfx
