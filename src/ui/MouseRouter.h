// MouseRouter: delivers the mouse input of one control tree.
//
// Input arrives in the root's client coordinates. A press goes to the topmost visible,
// enabled control under the pointer (hidden or disabled controls and everything inside
// them are skipped, so the press lands on what lies beneath); that control captures the
// mouse until every button is up, so moves and the release reach it even outside its
// bounds. A click is raised when the left button went down and up on the same control
// with the release inside it. A disabled root receives nothing. Each handler call is
// guarded: an exception from a handler is swallowed and the router stays consistent.
#pragma once

#include "gfx/Geometry.h"
#include "ui/Types.h"

#include <memory>

namespace ix::ui {

class Control;

class MouseRouter {
public:
    explicit MouseRouter(Control& root) : root_(root) {}

    void Down(MouseButton button, gfx::Point p);
    void Move(gfx::Point p);
    void Up(MouseButton button, gfx::Point p);
    void DoubleClick(gfx::Point p);

    // The control that holds the capture, or null.
    Control* Captured() const;
    // The control that would receive a press at p (root coordinates), or null.
    Control* HitTest(gfx::Point p) const;
    static Control* HitTest(Control& root, gfx::Point p);

private:
    struct Target {
        Control* control = nullptr;
        std::weak_ptr<const int> life;
        Control* Get() const { return life.expired() ? nullptr : control; }
        void Set(Control* c);
    };
    Control* Receiver(gfx::Point p) const;

    Control& root_;
    Target captured_;
    Target leftPressed_;
    unsigned buttons_ = 0;
};

} // namespace ix::ui
