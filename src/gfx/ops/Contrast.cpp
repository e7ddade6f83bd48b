#include "gfx/ops/Contrast.h"

#include <algorithm>
#include <cmath>

namespace ix::gfx {

void Contrast(Picture& picture, int amount, const SelectedArea& area)
{
    if (amount == 0) return;
    const int a = std::clamp(amount, -100, 100);
    const double factor = a > 0 ? std::min(255.0, (100.0 + a) / std::max(1, 100 - a)) : (100.0 + a) / 100.0;
    ChannelTable table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] =
            static_cast<std::uint8_t>(std::clamp(std::lround(128.0 + (c - 128) * factor), 0L, 255L));
    ApplyChannelTable(picture, table, area);
}

} // namespace ix::gfx
