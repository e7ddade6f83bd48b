#include "canvas/GradientComponent.h"

#include "canvas/UnitFORM.h"

#include <algorithm>

namespace ix::canvas {

GradientComponent::GradientComponent(std::string name) : ui::Control(std::move(name)) {}

void GradientComponent::SetStyle(int style)
{
    if (style >= 0 && style < 25) style_ = style;
}

gfx::Picture GradientComponent::Rendered() const
{
    // Until every style has its renderer: begin to end colour from left to right.
    gfx::Picture p({Width(), Height()}, begin_);
    const int w = Width();
    for (int x = 0; x < w; ++x) {
        const auto mix = [&](int a, int b) { return w <= 1 ? a : a + (b - a) * x / (w - 1); };
        const gfx::Color c = gfx::Color::FromRgb(mix(begin_.R(), end_.R()), mix(begin_.G(), end_.G()),
                                                 mix(begin_.B(), end_.B()));
        for (int y = 0; y < Height(); ++y) p.SetPixel({x, y}, c);
    }
    return p;
}

GradientSource TImageForm::Gradient1Source()
{
    return [this](std::int64_t width, std::int64_t height) {
        // A working square is never larger than the picture; the clamp keeps a
        // rendering of absurd stored sizes within what a picture may be.
        const auto side = [](std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, gfx::Picture::kMaxSide)); };
        Gradient1().SetSize({side(width), side(height)});
        return Gradient1().Rendered();
    };
}

} // namespace ix::canvas
