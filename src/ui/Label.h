// Label: one or more lines of caption text.
//
// A transparent label paints only its text; an opaque one fills its bounds with its colour
// first. With auto-size on (the default) and word-wrap off, the label takes the size of its
// text whenever caption or font change; with word-wrap on, lines break at the label's
// width and auto-size adjusts only the height. With auto-size off the bounds stay as set
// and text beyond them is clipped.
#pragma once

#include "ui/Control.h"

namespace ix::ui {

enum class TextAlign { Left, Center, Right };

class Label : public Control {
public:
    explicit Label(std::string name = {});
    const char* TypeName() const override { return "Label"; }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { transparent_ = v; Invalidate(); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    TextAlign TextAlignment() const { return textAlign_; }
    void SetTextAlign(TextAlign a) { textAlign_ = a; Invalidate(); }

    void Paint(PaintContext& ctx) override;

protected:
    void CaptionChanged() override { Fit(); }
    void FontChanged() override { Fit(); }

private:
    void Fit();

    bool transparent_ = false;
    bool wordWrap_ = false;
    bool autoSize_ = true;
    TextAlign textAlign_ = TextAlign::Left;
};

} // namespace ix::ui
