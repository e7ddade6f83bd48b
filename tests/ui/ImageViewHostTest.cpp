#include "ui/Form.h"
#include "ui/ImageViewHost.h"
#include "ui/Platform.h"
#include "ui/Render.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ix::ui;

namespace {

// A stand-in for the canvas layer's view: paints its area red and logs what reaches it.
class FakeView : public ImageViewHook {
public:
    explicit FakeView(std::vector<std::string>& log) : log_(log) {}
    void Paint(ix::gfx::Surface& s, const ix::gfx::Rect& area, const ix::gfx::Rect& clip) override
    {
        s.FillRect(area.Intersected(clip), 0xFFFF0000u);
        log_.push_back("paint " + std::to_string(area.left) + "," + std::to_string(area.top));
    }
    void MouseDown(const MouseEvent& e) override { log_.push_back("hook down " + std::to_string(e.x)); }
    void MouseUp(const MouseEvent&) override { log_.push_back("hook up"); }
    void Click() override { log_.push_back("hook click"); }
    void Resized(ix::gfx::Size s) override { log_.push_back("resized " + std::to_string(s.width)); }

private:
    std::vector<std::string>& log_;
};

TEST(ImageViewHost, HookPaintsAndGetsInputBeforeTheControlEvents)
{
    std::vector<std::string> log;
    Form form("F");
    form.SetClientSize({100, 100});
    auto& view = form.Add<ImageViewHost>("ImageEnView1");
    view.SetBounds(10, 20, 30, 30);
    view.SetHook(std::make_unique<FakeView>(log));
    view.onMouseDown = [&](Control&, const MouseEvent&) { log.push_back("event down"); };
    view.onClick = [&](Control&) { log.push_back("event click"); };
    int changes = 0;
    view.onViewChange = [&](Control&) { ++changes; };

    const auto s = RenderToSurface(form, ThePlatform().Text());
    EXPECT_EQ(s.At({10, 20}), 0xFFFF0000u);
    EXPECT_EQ(s.At({39, 49}), 0xFFFF0000u);
    EXPECT_NE(s.At({40, 50}), 0xFFFF0000u);

    form.Router().Down(MouseButton::Left, {15, 25});
    form.Router().Up(MouseButton::Left, {15, 25});
    view.SetWidth(50);
    view.RaiseViewChange();
    EXPECT_EQ(log, (std::vector<std::string>{"resized 30", "paint 10,20", "hook down 5", "event down", "hook up",
                                             "hook click", "event click", "resized 50"}));
    EXPECT_EQ(changes, 1);
}

TEST(ImageViewHost, WithoutAHookItFillsItsColour)
{
    Form form("F");
    form.SetClientSize({20, 20});
    auto& view = form.Add<ImageViewHost>("v");
    view.SetBounds(0, 0, 10, 10);
    view.SetColor(ix::gfx::Color::FromRgb(1, 2, 3));
    EXPECT_EQ(RenderToSurface(form, ThePlatform().Text()).At({5, 5}), ix::gfx::ToArgb(ix::gfx::Color::FromRgb(1, 2, 3)));
}

} // namespace
