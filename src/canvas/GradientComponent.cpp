#include "canvas/GradientComponent.h"

#include "canvas/UnitFORM.h"

#include <algorithm>

namespace ix::canvas {

GradientComponent::GradientComponent(std::string name) : ui::Control(std::move(name))
{
    box_.SetBeginColor(gfx::colors::Yellow);
    box_.SetEndColor(gfx::colors::Fuchsia);
}

void GradientComponent::BoundsChanged(const gfx::Rect&) { box_.SetSize(ClientSize()); }

GradientSource TImageForm::Gradient1Source()
{
    return [this](std::int64_t width, std::int64_t height) {
        // A working square is never larger than the picture; the clamp only keeps
        // absurd sizes from reaching the component.
        const auto side = [](std::int64_t v) {
            return static_cast<int>(std::clamp<std::int64_t>(v, 0, gfx::Picture::kMaxSide));
        };
        Gradient1().SetSize({side(width), side(height)});
        return Gradient1().Rendered();
    };
}

} // namespace ix::canvas
