#include "ui/MouseRouter.h"

#include "ui/Control.h"

namespace ix::ui {
namespace {

unsigned Bit(MouseButton b)
{
    return 1u << static_cast<unsigned>(b);
}

Control* HitChild(Control& c, gfx::Point p)
{
    const auto& kids = c.Children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        Control& child = **it;
        if (!child.Visible() || !child.Enabled() || !child.Bounds().Contains(p)) continue;
        return HitChild(child, p - child.Bounds().TopLeft());
    }
    return &c;
}

template <class F> void Guarded(F&& f)
{
    try {
        f();
    } catch (...) {
        // A handler's failure must not unwind into the window system.
    }
}

// Visible up to the root; the root's own flag belongs to whatever shows it (a window).
bool VisibleInTree(const Control& c)
{
    for (const Control* p = &c; p->Parent(); p = p->Parent())
        if (!p->Visible()) return false;
    return true;
}

gfx::Point Local(const Control& c, gfx::Point p)
{
    return p - c.RootOffset();
}

} // namespace

void MouseRouter::Target::Set(Control* c)
{
    control = c;
    life = c ? c->LifeToken() : std::weak_ptr<const int>{};
}

Control* MouseRouter::HitTest(Control& root, gfx::Point p)
{
    if (!root.Enabled() || !root.ClientRect().Contains(p)) return nullptr;
    return HitChild(root, p);
}

Control* MouseRouter::HitTest(gfx::Point p) const
{
    return HitTest(root_, p);
}

Control* MouseRouter::Captured() const
{
    return captured_.Get();
}

Control* MouseRouter::Receiver(gfx::Point p) const
{
    if (Control* c = captured_.Get()) return c;
    return HitTest(p);
}

void MouseRouter::Down(MouseButton button, gfx::Point p)
{
    if (!root_.Enabled()) return;
    Control* target = Receiver(p);
    if (!target || !target->EffectivelyEnabled()) return;
    if (!captured_.Get()) {
        captured_.Set(target);
        buttons_ = 0;
    }
    buttons_ |= Bit(button);
    if (button == MouseButton::Left) leftPressed_.Set(target);
    Guarded([&] { target->HandleMouseDown({button, Local(*target, p).x, Local(*target, p).y}); });
}

void MouseRouter::Move(gfx::Point p)
{
    if (!root_.Enabled()) return;
    Control* target = Receiver(p);
    if (!target || !target->EffectivelyEnabled()) return;
    const gfx::Point l = Local(*target, p);
    Guarded([&] { target->HandleMouseMove({MouseButton::Left, l.x, l.y}); });
}

void MouseRouter::Up(MouseButton button, gfx::Point p)
{
    Control* target = Receiver(p);
    const bool wasCaptured = captured_.Get() != nullptr;
    buttons_ &= ~Bit(button);
    if (wasCaptured && buttons_ == 0) captured_.Set(nullptr);
    if (!target || !root_.Enabled() || !target->EffectivelyEnabled()) {
        if (button == MouseButton::Left) leftPressed_.Set(nullptr);
        return;
    }
    const gfx::Point l = Local(*target, p);
    const std::weak_ptr<const int> life = target->LifeToken();
    // The handler may destroy the whole tree, this router with it (a canvas deleted by
    // the subroutine its click runs): touch nothing of ours afterwards unless it lives.
    const std::weak_ptr<const int> rootLife = root_.LifeToken();
    Guarded([&] { target->HandleMouseUp({button, l.x, l.y}); });
    if (rootLife.expired() || button != MouseButton::Left) return;
    Control* pressed = leftPressed_.Get();
    leftPressed_.Set(nullptr);
    // The up handler may have destroyed or moved the control: check it again.
    if (life.expired()) return;
    if (pressed && pressed == target && VisibleInTree(*target) &&
        target->EffectivelyEnabled() && target->ClientRect().Contains(Local(*target, p)))
        Guarded([&] { target->HandleClick(); });
}

void MouseRouter::DoubleClick(gfx::Point p)
{
    if (!root_.Enabled()) return;
    Control* target = Receiver(p);
    if (!target || !target->EffectivelyEnabled()) return;
    Guarded([&] { target->HandleDoubleClick(); });
}

} // namespace ix::ui
