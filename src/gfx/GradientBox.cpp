#include "gfx/GradientBox.h"

#include <utility>

namespace ix::gfx {

void GradientBox::Render(Size size, Color begin, Color end, GradientStyle style)
{
    Picture image = RenderGradient(size, begin, end, style); // may throw: nothing changed yet
    image_ = std::move(image);
    size_ = size;
    begin_ = begin;
    end_ = end;
    style_ = style;
}

void GradientBox::SetSize(Size size) { Render(size, begin_, end_, style_); }
void GradientBox::SetBeginColor(Color c) { Render(size_, c, end_, style_); }
void GradientBox::SetEndColor(Color c) { Render(size_, begin_, c, style_); }
void GradientBox::SetStyle(GradientStyle style) { Render(size_, begin_, end_, style); }

} // namespace ix::gfx
