// Image: shows a picture at its top-left, centred, or stretched to the control.
#pragma once

#include "gfx/Picture.h"
#include "ui/Control.h"

namespace ix::ui {

class Image : public Control {
public:
    explicit Image(std::string name = {});
    const char* TypeName() const override { return "Image"; }

    const gfx::Picture& Picture() const { return picture_; }
    void SetPicture(gfx::Picture p) { picture_ = std::move(p); Invalidate(); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v) { stretch_ = v; Invalidate(); }
    bool Center() const { return center_; }
    void SetCenter(bool v) { center_ = v; Invalidate(); }

    void Paint(PaintContext& ctx) override;

private:
    gfx::Picture picture_;
    bool stretch_ = false;
    bool center_ = false;
};

} // namespace ix::ui
