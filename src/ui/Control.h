// Control: a node of the toolkit's control tree.
//
// Every control has a name (looked up with Find), a non-owning parent pointer, children
// owned in z-order (first painted first, last on top), bounds in its parent's client
// coordinates, an alignment, visible and enabled flags, colour, font, caption (Windows-1251
// bytes), cursor id and tag. Children are created with Add<T>(name, ...), which returns the
// new control; they live until their parent dies or Remove hands them back.
//
// Layout: whenever a child's alignment, visibility or size changes, or the control is
// resized, Realign places the aligned children: Top strips first, then Bottom, Left, Right,
// each kind in creation order and each taking its strip from what is left, then Client
// children get the rest. Hidden children take no space; None and Custom are never moved.
//
// Events are std::function members called with the control itself as the sender. They are
// invoked by the mouse router (MouseRouter) through the virtual Handle* functions, which
// subclasses extend; a throwing handler is contained by the router.
#pragma once

#include "gfx/Geometry.h"
#include "ui/PaintContext.h"
#include "ui/Types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ix::ui {

class Control {
public:
    using MouseHandler = std::function<void(Control&, const MouseEvent&)>;
    using NotifyHandler = std::function<void(Control&)>;

    explicit Control(std::string name = {});
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The kind of control, as a driver or a test sees it ("Panel", "SpinEdit", ...).
    virtual const char* TypeName() const { return "Control"; }

    // --- tree -------------------------------------------------------------------------
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    Control* Parent() const { return parent_; }
    Control& Root();
    const std::vector<std::unique_ptr<Control>>& Children() const { return children_; }

    template <class T, class... Args> T& Add(std::string name, Args&&... args)
    {
        auto child = std::make_unique<T>(std::move(name), std::forward<Args>(args)...);
        T& ref = *child;
        Adopt(std::move(child));
        return ref;
    }
    // Detaches a child (and its subtree); null when `child` is not a child of this one.
    std::unique_ptr<Control> Remove(Control& child);

    // This control or the first descendant (depth first, bottom to top) with that name.
    Control* Find(std::string_view name);
    const Control* Find(std::string_view name) const;
    template <class T> T* FindAs(std::string_view name) { return dynamic_cast<T*>(Find(name)); }
    // Every control of the subtree, this one first, depth first.
    std::vector<Control*> Subtree();

    // z-order among the siblings: 0 is the bottom.
    int ZIndex() const;
    void BringToFront();
    void SendToBack();

    // --- geometry ---------------------------------------------------------------------
    const gfx::Rect& Bounds() const { return bounds_; }
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    // Positions are kept within ±kMaxCoordinate and sizes within 0..kMaxCoordinate, so
    // that no coordinate arithmetic of the tree can overflow.
    static constexpr int kMaxCoordinate = 1 << 24;
    void SetBounds(const gfx::Rect& bounds);
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    void SetPosition(gfx::Point p) { SetBounds(p.x, p.y, Width(), Height()); }
    void SetSize(gfx::Size s) { SetBounds(Left(), Top(), s.width, s.height); }
    gfx::Size ClientSize() const { return bounds_.GetSize(); }
    gfx::Rect ClientRect() const { return gfx::Rect::FromSize(ClientSize()); }
    // Position of this control's client (0, 0) in the root's client coordinates.
    gfx::Point RootOffset() const;

    Align Alignment() const { return align_; }
    void SetAlign(Align align);
    // Lays out the aligned children (see the header comment).
    void Realign();

    // --- state ------------------------------------------------------------------------
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and every ancestor up to the root.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    // Enabled itself and every ancestor up to the root.
    bool EffectivelyEnabled() const;

    gfx::Color Color() const { return color_; }
    void SetColor(gfx::Color c);
    const ui::Font& Font() const { return font_; }
    void SetFont(const ui::Font& f);
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    // The text a user reads or types: the caption for most controls, the edit text of
    // edits, the selected item of lists. SetText behaves as the user's input would.
    virtual std::string Text() const { return caption_; }
    virtual void SetText(std::string text);
    int Cursor() const { return cursor_; }
    void SetCursor(int id) { cursor_ = id; }
    std::intptr_t Tag() const { return tag_; }
    void SetTag(std::intptr_t t) { tag_ = t; }

    // Asks whatever shows the root to paint it again.
    void Invalidate();

    // --- events -----------------------------------------------------------------------
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;
    NotifyHandler onClick;
    NotifyHandler onDoubleClick;

    // Input as the router delivers it, in this control's client coordinates.
    virtual void HandleMouseDown(const MouseEvent& e);
    virtual void HandleMouseMove(const MouseEvent& e);
    virtual void HandleMouseUp(const MouseEvent& e);
    // A click: the left button pressed and released over the control, or a press by code
    // (a driver pressing a button).
    virtual void HandleClick();
    virtual void HandleDoubleClick();

    // Paints the control's own content; the renderer paints the children afterwards.
    virtual void Paint(PaintContext&) {}

    // Expires when the control is destroyed; lets the router hold on to a control safely.
    std::weak_ptr<const int> LifeToken() const { return life_; }

protected:
    // Hooks for subclasses.
    virtual void Attached() {}                       // just added to a parent
    virtual void BoundsChanged(const gfx::Rect&) {} // old bounds
    virtual void VisibilityChanged() {}
    virtual void EnabledChanged() {}
    virtual void CaptionChanged() {}
    virtual void FontChanged() {}
    virtual void RepaintRequested() {} // on the root: someone called Invalidate

private:
    void Adopt(std::unique_ptr<Control> child);
    void ApplyBounds(const gfx::Rect& bounds);
    void ParentRealign();

    std::string name_;
    Control* parent_ = nullptr;
    std::vector<std::unique_ptr<Control>> children_;
    std::uint64_t creationSeq_ = 0;
    std::uint64_t nextChildSeq_ = 0;
    gfx::Rect bounds_;
    Align align_ = Align::None;
    bool visible_ = true;
    bool enabled_ = true;
    bool aligning_ = false;
    gfx::Color color_ = kButtonFace;
    ui::Font font_;
    std::string caption_;
    int cursor_ = 0;
    std::intptr_t tag_ = 0;
    std::shared_ptr<const int> life_ = std::make_shared<const int>(0);
};

} // namespace ix::ui
