// GradientBox: a gradient of a given size, begin and end colour and style that keeps its
// rendered image up to date, the way the canvas's hidden gradient component does.
//
// Every setter re-renders at once; a refused size throws GfxError and leaves the box as
// it was. A new box is 0 × 0, black to black, Custom.
#pragma once

#include "gfx/Gradient.h"

namespace ix::gfx {

class GradientBox {
public:
    int Width() const { return size_.width; }
    int Height() const { return size_.height; }
    void SetSize(Size size);
    void SetWidth(int width) { SetSize({width, size_.height}); }
    void SetHeight(int height) { SetSize({size_.width, height}); }

    Color BeginColor() const { return begin_; }
    Color EndColor() const { return end_; }
    GradientStyle Style() const { return style_; }
    void SetBeginColor(Color c);
    void SetEndColor(Color c);
    void SetStyle(GradientStyle style);

    const Picture& Image() const { return image_; }
    // A copy of the rendered image, for callers that change it.
    Picture CopyImage() const { return image_; }

private:
    void Render(Size size, Color begin, Color end, GradientStyle style);

    Size size_;
    Color begin_ = colors::Black;
    Color end_ = colors::Black;
    GradientStyle style_ = GradientStyle::Custom;
    Picture image_;
};

} // namespace ix::gfx
