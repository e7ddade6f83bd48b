#include "ui/Control.h"

#include <algorithm>
#include <array>

namespace ix::ui {

Control::Control(std::string name) : name_(std::move(name)) {}

Control::~Control()
{
    // Children go one at a time, topmost first, with the list consistent in between: a
    // child's destructor may still remove a sibling (an edit takes its label along).
    while (!children_.empty()) {
        std::unique_ptr<Control> last = std::move(children_.back());
        children_.pop_back();
        last->parent_ = nullptr;
        last.reset();
    }
}

Control& Control::Root()
{
    Control* c = this;
    while (c->parent_) c = c->parent_;
    return *c;
}

void Control::Adopt(std::unique_ptr<Control> child)
{
    child->parent_ = this;
    child->creationSeq_ = nextChildSeq_++;
    Control& ref = *child;
    children_.push_back(std::move(child));
    ref.Attached();
    if (ref.align_ != Align::None && ref.align_ != Align::Custom) Realign();
}

std::unique_ptr<Control> Control::Remove(Control& child)
{
    auto it = std::find_if(children_.begin(), children_.end(), [&](const auto& c) { return c.get() == &child; });
    if (it == children_.end()) return nullptr;
    std::unique_ptr<Control> owned = std::move(*it);
    children_.erase(it);
    owned->parent_ = nullptr;
    Realign();
    return owned;
}

Control* Control::Find(std::string_view name)
{
    return const_cast<Control*>(static_cast<const Control*>(this)->Find(name));
}

const Control* Control::Find(std::string_view name) const
{
    if (name_ == name) return this;
    for (const auto& c : children_)
        if (const Control* found = c->Find(name)) return found;
    return nullptr;
}

std::vector<Control*> Control::Subtree()
{
    std::vector<Control*> out{this};
    for (std::size_t i = 0; i < out.size(); ++i)
        for (const auto& c : out[i]->children_) out.push_back(c.get());
    return out;
}

int Control::ZIndex() const
{
    if (!parent_) return 0;
    const auto& s = parent_->children_;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i].get() == this) return static_cast<int>(i);
    return 0;
}

void Control::BringToFront()
{
    if (!parent_) return;
    auto& s = parent_->children_;
    auto it = s.begin() + ZIndex();
    std::rotate(it, it + 1, s.end());
    Invalidate();
}

void Control::SendToBack()
{
    if (!parent_) return;
    auto& s = parent_->children_;
    auto it = s.begin() + ZIndex();
    std::rotate(s.begin(), it, it + 1);
    Invalidate();
}

namespace {

gfx::Rect Sane(long long left, long long top, long long width, long long height)
{
    const long long m = Control::kMaxCoordinate;
    const long long l = std::clamp(left, -m, m), t = std::clamp(top, -m, m);
    const long long w = std::clamp(width, 0LL, m), h = std::clamp(height, 0LL, m);
    return {static_cast<int>(l), static_cast<int>(t), static_cast<int>(l + w), static_cast<int>(t + h)};
}

} // namespace

void Control::SetBounds(int left, int top, int width, int height)
{
    SetBounds(Sane(left, top, width, height));
}

void Control::ApplyBounds(const gfx::Rect& requested)
{
    const gfx::Rect b = Sane(requested.left, requested.top, static_cast<long long>(requested.right) - requested.left,
                             static_cast<long long>(requested.bottom) - requested.top);
    if (b == bounds_) return;
    const gfx::Rect old = bounds_;
    bounds_ = b;
    if (old.GetSize() != b.GetSize()) Realign();
    BoundsChanged(old);
    Invalidate();
}

void Control::SetBounds(const gfx::Rect& bounds)
{
    ApplyBounds(bounds);
    if (align_ != Align::None && align_ != Align::Custom) ParentRealign();
}

gfx::Point Control::RootOffset() const
{
    gfx::Point p;
    for (const Control* c = this; c->parent_; c = c->parent_) p = p + c->bounds_.TopLeft();
    return p;
}

void Control::SetAlign(Align align)
{
    if (align == align_) return;
    align_ = align;
    ParentRealign();
}

void Control::ParentRealign()
{
    if (parent_) parent_->Realign();
}

void Control::Realign()
{
    if (aligning_) return;
    aligning_ = true;
    std::vector<Control*> order;
    for (const auto& c : children_) order.push_back(c.get());
    std::sort(order.begin(), order.end(), [](const Control* a, const Control* b) { return a->creationSeq_ < b->creationSeq_; });

    gfx::Rect rest = ClientRect();
    constexpr std::array kinds{Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client};
    for (Align kind : kinds) {
        for (Control* c : order) {
            if (c->align_ != kind || !c->visible_) continue;
            const int w = c->Width();
            const int h = c->Height();
            gfx::Rect b;
            switch (kind) {
            case Align::Top:
                b = {rest.left, rest.top, rest.right, rest.top + h};
                rest.top = std::min(rest.top + h, rest.bottom);
                break;
            case Align::Bottom:
                b = {rest.left, rest.bottom - h, rest.right, rest.bottom};
                rest.bottom = std::max(rest.bottom - h, rest.top);
                break;
            case Align::Left:
                b = {rest.left, rest.top, rest.left + w, rest.bottom};
                rest.left = std::min(rest.left + w, rest.right);
                break;
            case Align::Right:
                b = {rest.right - w, rest.top, rest.right, rest.bottom};
                rest.right = std::max(rest.right - w, rest.left);
                break;
            default:
                b = rest;
                break;
            }
            c->ApplyBounds(b);
        }
    }
    aligning_ = false;
}

void Control::SetVisible(bool v)
{
    if (v == visible_) return;
    visible_ = v;
    if (align_ != Align::None && align_ != Align::Custom) ParentRealign();
    VisibilityChanged();
    if (parent_) parent_->Invalidate();
    else Invalidate();
}

bool Control::Showing() const
{
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void Control::SetEnabled(bool v)
{
    if (v == enabled_) return;
    enabled_ = v;
    EnabledChanged();
    Invalidate();
}

bool Control::EffectivelyEnabled() const
{
    for (const Control* c = this; c; c = c->parent_)
        if (!c->enabled_) return false;
    return true;
}

void Control::SetColor(gfx::Color c)
{
    if (c == color_) return;
    color_ = c;
    Invalidate();
}

void Control::SetFont(const ui::Font& f)
{
    if (f == font_) return;
    font_ = f;
    FontChanged();
    Invalidate();
}

void Control::SetText(std::string text)
{
    SetCaption(text);
}

void Control::SetCaption(std::string_view caption)
{
    if (caption_ == caption) return;
    caption_.assign(caption.data(), caption.size());
    CaptionChanged();
    Invalidate();
}

void Control::Invalidate()
{
    Root().RepaintRequested();
}

void Control::HandleMouseDown(const MouseEvent& e)
{
    // A copy: the handler may destroy this control (and with it the member) while it runs.
    if (MouseHandler h = onMouseDown) h(*this, e);
}

void Control::HandleMouseMove(const MouseEvent& e)
{
    if (MouseHandler h = onMouseMove) h(*this, e);
}

void Control::HandleMouseUp(const MouseEvent& e)
{
    if (MouseHandler h = onMouseUp) h(*this, e);
}

void Control::HandleClick()
{
    if (NotifyHandler h = onClick) h(*this);
}

void Control::HandleDoubleClick()
{
    if (NotifyHandler h = onDoubleClick) h(*this);
}

} // namespace ix::ui
