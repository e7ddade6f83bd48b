#include "ui/headless/WindowSystem.h"

#include <algorithm>

namespace ix::ui::headless {
namespace {

unsigned Bit(MouseButton b)
{
    return 1u << static_cast<unsigned>(b);
}

} // namespace

WindowSystem::Window* WindowSystem::Find(WindowHandle w)
{
    auto it = windows_.find(w);
    return it == windows_.end() ? nullptr : &it->second;
}

const WindowSystem::Window* WindowSystem::Find(WindowHandle w) const
{
    auto it = windows_.find(w);
    return it == windows_.end() ? nullptr : &it->second;
}

WindowHandle WindowSystem::Create(WindowHandle parent, const gfx::Rect& bounds, WindowClient* client)
{
    if (parent != 0 && !Exists(parent)) return 0;
    if (windows_.size() >= kMaxWindows) return 0;
    const WindowHandle h = next_;
    next_ += 4;
    Window win;
    win.parent = parent;
    win.bounds = bounds.Normalized();
    win.client = client;
    windows_.emplace(h, std::move(win));
    if (parent) Find(parent)->children.push_back(h);
    return h;
}

void WindowSystem::Unlink(WindowHandle w)
{
    Window* win = Find(w);
    if (!win || !win->parent) return;
    if (Window* p = Find(win->parent)) p->children.erase(std::remove(p->children.begin(), p->children.end(), w), p->children.end());
}

bool WindowSystem::Destroy(WindowHandle w)
{
    if (!Exists(w)) return false;
    Unlink(w);
    // Take the whole subtree out first, then tell the inner clients: their reactions may
    // re-enter the window system and must find a consistent state.
    std::vector<WindowHandle> doomed{w};
    for (std::size_t i = 0; i < doomed.size(); ++i)
        for (WindowHandle c : Find(doomed[i])->children) doomed.push_back(c);
    std::vector<WindowClient*> lost;
    for (WindowHandle h : doomed) {
        auto it = windows_.find(h);
        if (h != w && it->second.client) lost.push_back(it->second.client);
        windows_.erase(it);
        if (capture_ == h) capture_ = 0;
    }
    for (WindowClient* c : lost) c->ClientWindowLost();
    return true;
}

void WindowSystem::DetachClient(WindowHandle w)
{
    if (Window* win = Find(w)) win->client = nullptr;
    if (capture_ == w) capture_ = 0;
}

void WindowSystem::Reset()
{
    while (!windows_.empty()) {
        // Destroy from a top-level window so inner clients are told.
        WindowHandle top = windows_.begin()->first;
        while (Find(top)->parent) top = Find(top)->parent;
        if (Window* win = Find(top); win && win->client) {
            WindowClient* c = win->client;
            Destroy(top);
            c->ClientWindowLost();
        } else {
            Destroy(top);
        }
    }
    dcs_.clear();
    capture_ = 0;
    captureButtons_ = 0;
}

bool WindowSystem::SetParent(WindowHandle w, WindowHandle parent)
{
    if (!Exists(w) || (parent != 0 && !Exists(parent))) return false;
    for (WindowHandle a = parent; a; a = Find(a)->parent)
        if (a == w) return false;
    Unlink(w);
    Find(w)->parent = parent;
    if (parent) Find(parent)->children.push_back(w);
    return true;
}

WindowHandle WindowSystem::Parent(WindowHandle w) const
{
    const Window* win = Find(w);
    return win ? win->parent : 0;
}

std::vector<WindowHandle> WindowSystem::Children(WindowHandle w) const
{
    const Window* win = Find(w);
    return win ? win->children : std::vector<WindowHandle>{};
}

std::vector<WindowHandle> WindowSystem::TopLevel() const
{
    std::vector<WindowHandle> out;
    for (const auto& [h, win] : windows_)
        if (!win.parent) out.push_back(h);
    return out;
}

std::optional<gfx::Rect> WindowSystem::Bounds(WindowHandle w) const
{
    const Window* win = Find(w);
    if (!win) return std::nullopt;
    return win->bounds;
}

std::optional<gfx::Rect> WindowSystem::ClientRect(WindowHandle w) const
{
    const Window* win = Find(w);
    if (!win) return std::nullopt;
    return gfx::Rect::FromSize(win->bounds.GetSize());
}

bool WindowSystem::SetBounds(WindowHandle w, const gfx::Rect& bounds, bool notifyClient)
{
    Window* win = Find(w);
    if (!win) return false;
    gfx::Rect b = bounds;
    b.right = std::max(b.right, b.left);
    b.bottom = std::max(b.bottom, b.top);
    win->bounds = b;
    ++win->invalidations;
    if (notifyClient && win->client) win->client->ClientBoundsChanged(b);
    return true;
}

bool WindowSystem::SetVisible(WindowHandle w, bool visible)
{
    Window* win = Find(w);
    if (!win) return false;
    win->visible = visible;
    return true;
}

bool WindowSystem::SetEnabled(WindowHandle w, bool enabled)
{
    Window* win = Find(w);
    if (!win) return false;
    win->enabled = enabled;
    return true;
}

bool WindowSystem::IsVisible(WindowHandle w) const
{
    const Window* win = Find(w);
    return win && win->visible;
}

bool WindowSystem::IsEnabled(WindowHandle w) const
{
    const Window* win = Find(w);
    return win && win->enabled;
}

bool WindowSystem::BringToTop(WindowHandle w)
{
    Window* win = Find(w);
    if (!win) return false;
    if (Window* p = Find(win->parent)) {
        auto& c = p->children;
        c.erase(std::remove(c.begin(), c.end(), w), c.end());
        c.push_back(w);
    }
    return true;
}

bool WindowSystem::SetCaption(WindowHandle w, const std::string& caption)
{
    Window* win = Find(w);
    if (!win) return false;
    win->caption = caption;
    return true;
}

std::string WindowSystem::Caption(WindowHandle w) const
{
    const Window* win = Find(w);
    return win ? win->caption : std::string();
}

bool WindowSystem::SetColor(WindowHandle w, gfx::Color c)
{
    Window* win = Find(w);
    if (!win) return false;
    win->color = c;
    return true;
}

void WindowSystem::Invalidate(WindowHandle w)
{
    if (Window* win = Find(w)) ++win->invalidations;
}

int WindowSystem::InvalidationCount(WindowHandle w) const
{
    const Window* win = Find(w);
    return win ? win->invalidations : 0;
}

std::optional<std::intptr_t> WindowSystem::Send(WindowHandle w, unsigned message, std::uintptr_t wParam,
                                                std::intptr_t lParam)
{
    Window* win = Find(w);
    if (!win) return std::nullopt;
    if (!win->client) return 0;
    return win->client->ClientMessage(message, wParam, lParam);
}

gfx::Point WindowSystem::ScreenOrigin(WindowHandle w) const
{
    gfx::Point p;
    for (const Window* win = Find(w); win; win = Find(win->parent)) p = p + win->bounds.TopLeft();
    return p;
}

bool WindowSystem::Reachable(WindowHandle w) const
{
    for (const Window* win = Find(w); win; win = Find(win->parent))
        if (!win->visible || !win->enabled) return false;
    return Exists(w);
}

WindowHandle WindowSystem::InputTarget(WindowHandle w, gfx::Point p, gfx::Point& local) const
{
    if (!Reachable(w)) return 0;
    const Window* win = Find(w);
    if (!gfx::Rect::FromSize(win->bounds.GetSize()).Contains(p)) return 0;
    for (auto it = win->children.rbegin(); it != win->children.rend(); ++it) {
        const Window* c = Find(*it);
        if (!c || !c->visible || !c->enabled || !c->bounds.Contains(p)) continue;
        return InputTarget(*it, p - c->bounds.TopLeft(), local);
    }
    local = p;
    return w;
}

WindowHandle WindowSystem::Receiver(WindowHandle w, gfx::Point p, gfx::Point& local) const
{
    if (capture_ && Exists(capture_)) {
        local = p + ScreenOrigin(w) - ScreenOrigin(capture_);
        return capture_;
    }
    return InputTarget(w, p, local);
}

bool WindowSystem::MouseDown(WindowHandle w, MouseButton b, gfx::Point p)
{
    if (!Exists(w)) return false;
    const bool captured = capture_ && Exists(capture_);
    gfx::Point local;
    const WindowHandle target = Receiver(w, p, local);
    if (!target) return false;
    if (!captured) {
        capture_ = target;
        captureButtons_ = 0;
    }
    captureButtons_ |= Bit(b);
    if (WindowClient* c = Find(target)->client) c->ClientMouseDown(b, local);
    return true;
}

bool WindowSystem::MouseMove(WindowHandle w, gfx::Point p)
{
    if (!Exists(w)) return false;
    gfx::Point local;
    const WindowHandle target = Receiver(w, p, local);
    if (!target) return false;
    if (WindowClient* c = Find(target)->client) c->ClientMouseMove(local);
    return true;
}

bool WindowSystem::MouseUp(WindowHandle w, MouseButton b, gfx::Point p)
{
    if (!Exists(w)) return false;
    gfx::Point local;
    const WindowHandle target = Receiver(w, p, local);
    if (!target) return false;
    if (target == capture_) {
        captureButtons_ &= ~Bit(b);
        if (captureButtons_ == 0) capture_ = 0;
    }
    if (WindowClient* c = Find(target)->client) c->ClientMouseUp(b, local);
    return true;
}

bool WindowSystem::Click(WindowHandle w, MouseButton b, gfx::Point p)
{
    if (!MouseDown(w, b, p)) return false;
    return MouseUp(w, b, p);
}

bool WindowSystem::DoubleClick(WindowHandle w, gfx::Point p)
{
    if (!Click(w, MouseButton::Left, p)) return false;
    gfx::Point local;
    const WindowHandle target = InputTarget(w, p, local);
    if (!target) return false;
    if (WindowClient* c = Find(target)->client) c->ClientDoubleClick(local);
    return true;
}

void WindowSystem::PaintWindow(WindowHandle w, gfx::Surface& s, gfx::Point origin, const gfx::Rect& clip)
{
    const Window* win = Find(w);
    if (!win) return;
    const gfx::Rect area = gfx::Rect::FromSize(origin, win->bounds.GetSize()).Intersected(clip);
    if (area.IsEmpty()) return;
    if (win->client) win->client->PaintClient(s, origin, area);
    else s.FillRect(area, gfx::ToArgb(win->color));
    // The client may have changed the tree: look the window up again.
    const std::vector<WindowHandle> children = Children(w);
    for (WindowHandle c : children) {
        const Window* cw = Find(c);
        if (cw && cw->visible) PaintWindow(c, s, origin + cw->bounds.TopLeft(), area);
    }
}

bool WindowSystem::Render(WindowHandle w, gfx::Surface& out)
{
    const Window* win = Find(w);
    if (!win) return false;
    out.Resize(win->bounds.GetSize(), 0xFF000000u);
    PaintWindow(w, out, {0, 0}, out.Bounds());
    return true;
}

std::uintptr_t WindowSystem::CreateDeviceContext(gfx::Size size)
{
    if (dcs_.size() >= 1024) return 0;
    auto s = std::make_unique<gfx::Surface>(size, 0xFFFFFFFFu);
    const std::uintptr_t dc = nextDc_;
    nextDc_ += 4;
    dcs_.emplace(dc, std::move(s));
    return dc;
}

bool WindowSystem::DestroyDeviceContext(std::uintptr_t dc)
{
    return dcs_.erase(dc) != 0;
}

gfx::Surface* WindowSystem::DeviceSurface(std::uintptr_t dc)
{
    auto it = dcs_.find(dc);
    return it == dcs_.end() ? nullptr : it->second.get();
}

} // namespace ix::ui::headless
