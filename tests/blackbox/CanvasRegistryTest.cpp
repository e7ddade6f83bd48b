// The canvas registry and the creation flow, through the entry points.
#include "blackbox/ScriptHost.h"

#include <gtest/gtest.h>

namespace {

using ixtest::ScriptHost;

constexpr int kCreate = 1;
constexpr int kDelete = 2;
constexpr int kCoordinates = 16;
constexpr int kIsEmpty = 20;

// Whether an action reaches a canvas of that name (ixCanvasCoordinates changes nothing
// visible and returns False only for a missing canvas).
bool Reaches(ScriptHost& host, const std::string& name) { return host.Exec(kCoordinates, {name, "", ""}); }

TEST(CanvasRegistry, CreationEmbedsACanvasFillingTheRectangle)
{
    ScriptHost host;
    host.AddRectangle("Rect1", 240, 180);
    ASSERT_TRUE(host.Exec(kCreate, {"Rect1"}));
    EXPECT_EQ(host.windowQueries, std::vector<std::string>{"Rect1"});
    const ixh_window canvas = host.CanvasOf("Rect1");
    ASSERT_NE(canvas, 0);
    int left = -1, top = -1, width = 0, height = 0;
    ASSERT_TRUE(ixh_window_bounds(canvas, &left, &top, &width, &height));
    EXPECT_EQ((std::vector<int>{left, top, width, height}), (std::vector<int>{0, 0, 240, 180}));
    EXPECT_EQ(ixh_window_is_visible(canvas), 1);
    EXPECT_TRUE(Reaches(host, "Rect1"));
}

TEST(CanvasRegistry, NamesFoldOnlyAsciiLetters)
{
    ScriptHost host;
    host.AddRectangle("Rect1");
    host.AddRectangle(ixtest::kCyrillicTitle);
    ASSERT_TRUE(host.Exec(kCreate, {"Rect1"}));
    ASSERT_TRUE(host.Exec(kCreate, {ixtest::kCyrillicTitle}));
    const std::pair<std::string, bool> cases[] = {
        {"Rect1", true},
        {"RECT1", true},
        {"rect1", true},
        {"rEcT1", true},
        {"Rect 1", false},
        {"Rect", false},
        {ixtest::kCyrillicTitle, true},
        {ixtest::kCyrillicUpper, false}, // Cyrillic letters are not folded
        {ixtest::kCyrillicLower, false},
        {"", false},
    };
    for (const auto& [name, found] : cases) EXPECT_EQ(Reaches(host, name), found) << name;
}

TEST(CanvasRegistry, CreatingTwiceLeavesOnlyTheNewerCanvas)
{
    ScriptHost host;
    host.AddRectangle("Rect1");
    ASSERT_TRUE(host.Exec(kCreate, {"Rect1"}));
    ASSERT_TRUE(host.Exec(kCoordinates, {"Rect1", "X", "Y"}));
    // The host knows the rectangle under both spellings; the registry takes them as one.
    host.SetWindowAnswer("rect1", host.AnswerFor("Rect1"));
    ASSERT_TRUE(host.Exec(kCreate, {"rect1"}));
    EXPECT_EQ(host.CanvasCountIn("Rect1"), 1);
    // The newer canvas starts with empty settings: moves report nothing.
    host.ClearRecords();
    host.Move("Rect1", 5, 5);
    EXPECT_TRUE(host.setVarCalls.empty());
    EXPECT_TRUE(host.Exec(kDelete, {"Rect1"}));
    EXPECT_FALSE(host.Exec(kDelete, {"Rect1"})) << "only one canvas of that name existed";
}

TEST(CanvasRegistry, ObjectWindowAnswers)
{
    struct Case {
        std::string answer;
        bool result;
        int canvases;
    };
    const Case cases[] = {
        {"0", true, 0},   // no canvas, but success
        {"abc", false, 0},
        {"", false, 0},
        {"12x", false, 0},
        {"999999", false, 0}, // no such window
    };
    for (const auto& c : cases) {
        ScriptHost host;
        host.AddRectangle("Rect1");
        ASSERT_TRUE(host.Exec(kCreate, {"Rect1"}));
        host.SetWindowAnswer("Rect1", c.answer);
        EXPECT_EQ(host.Exec(kCreate, {"Rect1"}), c.result) << '"' << c.answer << '"';
        EXPECT_EQ(host.CanvasCountIn("Rect1"), c.canvases) << "the old canvas is gone in every case";
        EXPECT_FALSE(Reaches(host, "Rect1")) << '"' << c.answer << '"';
        host.ClearRecords();
        EXPECT_FALSE(host.Exec(kIsEmpty, {"Rect1", "V"}));
        EXPECT_TRUE(host.setVarCalls.empty());
    }
}

TEST(CanvasRegistry, WithoutInterfaceAccessCreationFailsAfterRemovingTheOldCanvas)
{
    ScriptHost host;
    host.AddRectangle("Rect1");
    ASSERT_TRUE(host.Exec(kCreate, {"Rect1"}));
    host.RegisterInterfaceAccess(false);
    EXPECT_FALSE(host.Exec(kCreate, {"Rect1"}));
    EXPECT_EQ(host.CanvasCountIn("Rect1"), 0);
    EXPECT_FALSE(Reaches(host, "Rect1"));
}

TEST(CanvasRegistry, DeleteKnownAndUnknownNames)
{
    ScriptHost host;
    host.AddRectangle("A");
    host.AddRectangle("B");
    EXPECT_FALSE(host.Exec(kDelete, {"A"})) << "no registry yet";
    ASSERT_TRUE(host.Exec(kCreate, {"A"}));
    ASSERT_TRUE(host.Exec(kCreate, {"B"}));
    EXPECT_FALSE(host.Exec(kDelete, {"C"}));
    EXPECT_TRUE(host.Exec(kDelete, {"a"}));
    EXPECT_EQ(host.CanvasCountIn("A"), 0);
    EXPECT_FALSE(Reaches(host, "A"));
    EXPECT_TRUE(Reaches(host, "B"));
}

TEST(CanvasRegistry, EmptyNameIsRegisteredButUnreachable)
{
    ScriptHost host;
    host.AddRectangle("");
    ASSERT_TRUE(host.Exec(kCreate, {""}));
    EXPECT_EQ(host.CanvasCountIn(""), 1);
    EXPECT_FALSE(Reaches(host, ""));
    EXPECT_FALSE(host.Exec(kIsEmpty, {"", "V"}));
    EXPECT_TRUE(host.Exec(kDelete, {""}));
    EXPECT_EQ(host.CanvasCountIn(""), 0);
}

TEST(CanvasRegistry, CloseAllThenANewRegistry)
{
    ScriptHost host;
    host.AddRectangle("A");
    host.AddRectangle("B");
    host.CloseAll(); // before any canvas: nothing
    ASSERT_TRUE(host.Exec(kCreate, {"A"}));
    ASSERT_TRUE(host.Exec(kCreate, {"B"}));
    host.CloseAll();
    EXPECT_EQ(host.CanvasCountIn("A"), 0);
    EXPECT_EQ(host.CanvasCountIn("B"), 0);
    EXPECT_FALSE(Reaches(host, "A"));
    host.CloseAll(); // a second time: nothing
    ASSERT_TRUE(host.Exec(kCreate, {"B"}));
    EXPECT_TRUE(Reaches(host, "B"));
    EXPECT_FALSE(Reaches(host, "A"));
    qlMessage(3, 0, 0); // other codes do nothing
    EXPECT_TRUE(Reaches(host, "B"));
}

TEST(CanvasRegistry, NullNameReadsAsEmpty)
{
    ScriptHost host;
    host.AddRectangle("");
    char* params[] = {nullptr};
    EXPECT_TRUE(qlExecAction(kCreate, params));
    EXPECT_EQ(host.windowQueries, std::vector<std::string>{""});
}

constexpr std::uint32_t kHostControl = 1274;

TEST(CanvasHostControl, Codes)
{
    ScriptHost host;
    const ixh_window rect = host.AddRectangle("R", 120, 90);
    ASSERT_TRUE(host.Exec(kCreate, {"R"}));
    ASSERT_TRUE(host.Exec(19, {"R", "255,0,0"})); // red around the drawing area
    ASSERT_TRUE(host.Exec(18, {"R", "Width", "100"}));
    const ixh_window canvas = host.CanvasOf("R");
    std::int64_t result = -1;

    // 4: fit again after the host rectangle changed size.
    ixh_window_set_bounds(rect, 0, 0, 150, 110);
    ASSERT_TRUE(ixh_window_send_message(canvas, kHostControl, 0, 4, &result));
    EXPECT_EQ(result, 0);
    int l, t, w, h;
    ixh_window_bounds(canvas, &l, &t, &w, &h);
    EXPECT_EQ((std::vector<int>{l, t, w, h}), (std::vector<int>{0, 0, 150, 110}));

    // 5: paints into a device context; with WParam 0 nothing happens.
    result = -1;
    EXPECT_TRUE(ixh_window_send_message(canvas, kHostControl, 0, 5, &result));
    EXPECT_EQ(result, 0);
    const ixh_dc dc = ixh_dc_create(150, 110);
    ASSERT_TRUE(ixh_window_send_message(canvas, kHostControl, dc, 5, &result));
    EXPECT_EQ(result, 0);
    std::vector<unsigned char> pixels(150 * 110 * 4);
    ASSERT_TRUE(ixh_dc_read_rgba(dc, pixels.data(), pixels.size()));
    const std::size_t right = (50 * 150 + 140) * 4; // right of the 100-pixel drawing area
    EXPECT_EQ((std::vector<int>{pixels[right], pixels[right + 1], pixels[right + 2]}), (std::vector<int>{255, 0, 0}));
    ixh_dc_destroy(dc);

    // 6: result 0; 7 and 8 disable and enable.
    result = -1;
    ASSERT_TRUE(ixh_window_send_message(canvas, kHostControl, 0, 6, &result));
    EXPECT_EQ(result, 0);
    ASSERT_TRUE(ixh_window_send_message(canvas, kHostControl, 0, 7, &result));
    EXPECT_EQ(ixh_window_is_enabled(canvas), 0);
    ASSERT_TRUE(host.Exec(kCoordinates, {"R", "X", "Y"}));
    host.Move("R", 5, 5);
    EXPECT_TRUE(host.setVarCalls.empty()) << "a disabled canvas takes no mouse input";
    ASSERT_TRUE(ixh_window_send_message(canvas, kHostControl, 0, 8, &result));
    EXPECT_EQ(ixh_window_is_enabled(canvas), 1);
    host.Move("R", 5, 5);
    EXPECT_EQ(host.Variable("X"), "6");
    for (std::int64_t other : {0, 1, 3, 9, -1, 1000}) {
        result = -1;
        ASSERT_TRUE(ixh_window_send_message(canvas, kHostControl, 0, other, &result));
        EXPECT_EQ(result, 0);
    }
}

} // namespace
