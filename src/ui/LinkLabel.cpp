#include "ui/LinkLabel.h"

#include "ui/Cursors.h"
#include "ui/Platform.h"

namespace ix::ui {

LinkLabel::LinkLabel(std::string name) : Label(std::move(name))
{
    ui::Font f = Font();
    f.color = gfx::Color::FromRgb(0, 0, 255);
    f.style |= FontUnderline;
    SetFont(f);
    SetTransparent(true);
    SetCursor(cursors::HandPoint);
}

void LinkLabel::HandleClick()
{
    if (onClick) {
        onClick(*this);
        return;
    }
    if (!url_.empty()) ThePlatform().OpenUrl(url_);
}

} // namespace ix::ui
