#include "ui/Form.h"
#include "ui/MouseRouter.h"
#include "ui/Panel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ix::ui;

namespace {

// Records every event as "name:kind:x,y".
struct Recorder {
    std::vector<std::string> log;
    void Attach(Control& c)
    {
        auto mouse = [this](const char* kind) {
            return [this, kind](Control& s, const MouseEvent& e) {
                log.push_back(s.Name() + ":" + kind + ":" + std::to_string(e.x) + "," + std::to_string(e.y));
            };
        };
        c.onMouseDown = mouse("down");
        c.onMouseMove = mouse("move");
        c.onMouseUp = mouse("up");
        c.onClick = [this](Control& s) { log.push_back(s.Name() + ":click"); };
    }
};

struct RouterTest : ::testing::Test {
    Form form{"form"};
    Recorder rec;
    Panel* back = nullptr;
    Panel* front = nullptr;
    Panel* inner = nullptr;
    RouterTest()
    {
        form.SetClientSize({200, 200});
        back = &form.Add<Panel>("back");
        back->SetBounds(10, 10, 100, 100);
        front = &form.Add<Panel>("front");
        front->SetBounds(50, 50, 100, 100);
        inner = &front->Add<Panel>("inner");
        inner->SetBounds(10, 10, 20, 20);
        for (Control* c : form.Subtree()) rec.Attach(*c);
    }
};

TEST_F(RouterTest, HitTestFindsTheTopmostDeepestControl)
{
    struct Case {
        int x, y;
        const char* expected;
    };
    const Case cases[] = {{5, 5, "form"},    {20, 20, "back"},  {55, 55, "front"},     {60, 60, "inner"},
                          {79, 79, "inner"}, {80, 80, "front"}, {149, 149, "front"}, {150, 150, "form"}};
    for (const Case& c : cases) {
        Control* hit = form.Router().HitTest({c.x, c.y});
        ASSERT_NE(hit, nullptr);
        EXPECT_EQ(hit->Name(), c.expected) << c.x << "," << c.y;
    }
    EXPECT_EQ(form.Router().HitTest({-1, 0}), nullptr);
    EXPECT_EQ(form.Router().HitTest({200, 0}), nullptr);
}

TEST_F(RouterTest, BringToFrontChangesWhoIsHit)
{
    EXPECT_EQ(form.Router().HitTest({55, 55})->Name(), "front");
    back->BringToFront();
    EXPECT_EQ(form.Router().HitTest({55, 55})->Name(), "back");
    EXPECT_EQ(form.Router().HitTest({65, 65})->Name(), "back"); // covers inner now too
}

TEST_F(RouterTest, EventsArriveInClientCoordinatesAndClickNeedsReleaseOverTheControl)
{
    form.Router().Down(MouseButton::Left, {65, 66});
    form.Router().Up(MouseButton::Left, {70, 71});
    EXPECT_EQ(rec.log, (std::vector<std::string>{"inner:down:5,6", "inner:up:10,11", "inner:click"}));
    rec.log.clear();
    form.Router().Down(MouseButton::Left, {65, 66});
    form.Router().Up(MouseButton::Left, {140, 140}); // released outside: no click
    EXPECT_EQ(rec.log, (std::vector<std::string>{"inner:down:5,6", "inner:up:80,80"}));
    rec.log.clear();
    form.Router().Down(MouseButton::Right, {65, 66});
    form.Router().Up(MouseButton::Right, {65, 66}); // only the left button clicks
    EXPECT_EQ(rec.log, (std::vector<std::string>{"inner:down:5,6", "inner:up:5,6"}));
}

TEST_F(RouterTest, CaptureKeepsADragThatLeavesTheControl)
{
    form.Router().Down(MouseButton::Left, {20, 20}); // on back
    form.Router().Move({60, 60});                     // over front
    form.Router().Move({-30, 500});                   // outside the form
    form.Router().Up(MouseButton::Left, {-30, 500});
    form.Router().Move({55, 55}); // capture gone: front gets it
    EXPECT_EQ(rec.log, (std::vector<std::string>{"back:down:10,10", "back:move:50,50", "back:move:-40,490",
                                                 "back:up:-40,490", "front:move:5,5"}));
    EXPECT_EQ(form.Router().Captured(), nullptr);
}

TEST_F(RouterTest, ASecondButtonDuringADragGoesToTheCapturingControl)
{
    form.Router().Down(MouseButton::Left, {20, 20});
    form.Router().Down(MouseButton::Right, {60, 60});
    form.Router().Up(MouseButton::Right, {60, 60});
    EXPECT_EQ(form.Router().Captured(), back); // left still down
    form.Router().Up(MouseButton::Left, {150, 150}); // outside back: no click
    EXPECT_EQ(form.Router().Captured(), nullptr);
    EXPECT_EQ(rec.log, (std::vector<std::string>{"back:down:10,10", "back:down:50,50", "back:up:50,50",
                                                 "back:up:140,140"}));
}

TEST_F(RouterTest, DisabledOrHiddenSubtreesReceiveNothing)
{
    front->SetEnabled(false);
    form.Router().Down(MouseButton::Left, {65, 65}); // inner is inside the disabled front,
    form.Router().Up(MouseButton::Left, {65, 65});   // and back lies beneath it there
    EXPECT_EQ(rec.log, (std::vector<std::string>{"back:down:55,55", "back:up:55,55", "back:click"}));
    rec.log.clear();
    form.Router().Down(MouseButton::Left, {120, 120}); // only the form lies beneath
    form.Router().Up(MouseButton::Left, {120, 120});
    EXPECT_EQ(rec.log, (std::vector<std::string>{"form:down:120,120", "form:up:120,120", "form:click"}));
    rec.log.clear();
    front->SetEnabled(true);
    front->Hide();
    EXPECT_EQ(form.Router().HitTest({65, 65})->Name(), "back");
    form.SetEnabled(false);
    form.Router().Down(MouseButton::Left, {5, 5});
    form.Router().Move({5, 5});
    form.Router().Up(MouseButton::Left, {5, 5});
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(RouterTest, DisablingTheCapturingControlMidDragStopsItsEvents)
{
    form.Router().Down(MouseButton::Left, {20, 20});
    back->SetEnabled(false);
    form.Router().Move({30, 30});
    form.Router().Up(MouseButton::Left, {30, 30});
    EXPECT_EQ(rec.log, (std::vector<std::string>{"back:down:10,10"}));
    EXPECT_EQ(form.Router().Captured(), nullptr);
}

TEST_F(RouterTest, AHandlerThatDestroysItsControlOrThrowsIsContained)
{
    inner->onMouseUp = [this](Control&, const MouseEvent&) { front->Remove(*inner); };
    form.Router().Down(MouseButton::Left, {65, 65});
    EXPECT_NO_THROW(form.Router().Up(MouseButton::Left, {65, 65}));
    EXPECT_EQ(form.Find("inner"), nullptr);
    back->onMouseDown = [](Control&, const MouseEvent&) { throw std::runtime_error("handler failed"); };
    EXPECT_NO_THROW(form.Router().Down(MouseButton::Left, {20, 20}));
    EXPECT_EQ(form.Router().Captured(), back);
    form.Router().Up(MouseButton::Left, {20, 20});
    EXPECT_EQ(rec.log.back(), "back:click");
}

TEST_F(RouterTest, ControlDestroyedWhileCapturedReleasesTheCapture)
{
    form.Router().Down(MouseButton::Left, {65, 65});
    front->Remove(*inner); // the unique_ptr dies at once
    EXPECT_EQ(form.Router().Captured(), nullptr);
    form.Router().Move({55, 55});
    EXPECT_EQ(rec.log.back(), "front:move:5,5");
}

} // namespace

namespace {

// The miniature drag: a control that moves itself by the pointer's offset from the press
// point on every move follows the mouse exactly, because capture keeps the moves coming
// in its (moving) client coordinates.
TEST(Drag, SelfMovingControlFollowsThePointer)
{
    Form form("F");
    form.SetClientSize({400, 300});
    Panel& mini = form.Add<Panel>("TMPImageEn1");
    mini.SetBounds(49, 43, 228, 185);
    bool dragging = false;
    int startX = 0, startY = 0;
    mini.onMouseDown = [&](Control& c, const MouseEvent& e) {
        c.BringToFront();
        dragging = e.button == MouseButton::Left;
        startX = e.x;
        startY = e.y;
    };
    mini.onMouseMove = [&](Control& c, const MouseEvent& e) {
        if (dragging) c.SetPosition({c.Left() + e.x - startX, c.Top() + e.y - startY});
    };
    mini.onMouseUp = [&](Control&, const MouseEvent&) { dragging = false; };
    form.Router().Down(MouseButton::Left, {60, 50});
    form.Router().Move({70, 65});
    form.Router().Move({-100, 400}); // beyond the form: no bounds
    form.Router().Up(MouseButton::Left, {-100, 400});
    EXPECT_EQ(mini.Left(), 49 + (-100 - 60));
    EXPECT_EQ(mini.Top(), 43 + (400 - 50));
    form.Router().Move({0, 0});
    EXPECT_EQ(mini.Left(), 49 - 160);
}

} // namespace

namespace {

TEST(Drag, AFormDestroyedByItsOwnHandlerIsSafe)
{
    auto form = std::make_unique<Form>("F");
    form->SetClientSize({100, 100});
    Panel& p = form->Add<Panel>("p");
    p.SetBounds(0, 0, 50, 50);
    int clicks = 0;
    p.onClick = [&](Control&) { ++clicks; };
    p.onMouseUp = [&](Control&, const MouseEvent&) { form.reset(); };
    MouseRouter& router = form->Router();
    router.Down(MouseButton::Left, {10, 10});
    router.Up(MouseButton::Left, {10, 10}); // the form, and the router, are gone inside
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(clicks, 0);
}

} // namespace
