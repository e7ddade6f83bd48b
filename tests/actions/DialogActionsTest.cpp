// The dialog actions through the headless colour and file dialog drivers: what each
// dialog is asked for, what is written on confirm, and nothing on cancel.
#include "canvas/HostRecorder.h"

#include "actions/ActionRegistry.h"
#include "actions/DialogActions.h"
#include "actions/PictureDialogs.h"
#include "ui/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

using namespace ix;
using ix::canvas::test::HostRecorder;

namespace {

class DialogActions : public ::testing::Test {
protected:
    void SetUp() override { Platform().Reset(); }
    void TearDown() override { Platform().Reset(); }
    static ui::headless::HeadlessPlatform& Platform() { return ui::headless::TheHeadlessPlatform(); }

    // File dialogs answer `name` with filter `index`, or cancel when `name` is empty.
    void AnswerFiles(std::string name, int index)
    {
        Platform().SetFileDriver([this, name, index](const ui::FileDialogRequest& r) -> std::optional<ui::FileDialogResult> {
            requests.push_back(r);
            if (name.empty()) return std::nullopt;
            return ui::FileDialogResult{name, index};
        });
    }

    HostRecorder host;
    std::vector<ui::FileDialogRequest> requests;
};

int FilterCount(const std::string& filter)
{
    int bars = 0;
    for (char ch : filter) bars += ch == '|';
    return (bars + 1) / 2;
}

TEST_F(DialogActions, DialogsWithoutAVariableParameterStillAskAndWriteToTheEmptyName)
{
    AnswerFiles("x", 5);
    EXPECT_TRUE(actions::ExecCanvasSaveDialog({}));
    EXPECT_TRUE(actions::ExecCanvasOpenDialog({}));
    EXPECT_EQ(requests.size(), 2u);
    EXPECT_EQ(host.Last(""), "x");
}

TEST_F(DialogActions, ColorBoxWritesTheChosenColourOrNothing)
{
    std::optional<gfx::Color> initial;
    std::optional<gfx::Color> answer = gfx::Color::FromRgb(255, 0, 0);
    Platform().SetColorDriver([&](const ui::ColorDialogRequest& r) {
        initial = r.initial;
        return answer;
    });
    ASSERT_TRUE(actions::ExecCanvasColorBox({"Colour"}));
    EXPECT_EQ(initial, gfx::colors::Black);
    EXPECT_EQ(host.Last("Colour"), "255,0,0");

    answer = gfx::Color::FromRgb(255, 128, 0);
    ASSERT_TRUE(actions::ExecCanvasColorBox({"Colour"}));
    EXPECT_EQ(host.Last("Colour"), "255,128,0");

    host.Clear();
    answer.reset();
    EXPECT_TRUE(actions::ExecCanvasColorBox({"Colour"}));
    EXPECT_TRUE(host.vars.empty());
}

TEST_F(DialogActions, OpenDialogDefaults)
{
    AnswerFiles("C:\\pics\\cat.png", 2);
    ASSERT_TRUE(actions::ExecCanvasOpenDialog({"File", "", "", "", "", ""}));
    ASSERT_EQ(requests.size(), 1u);
    const ui::FileDialogRequest& r = requests[0];
    EXPECT_EQ(r.kind, ui::FileDialogKind::Open);
    EXPECT_EQ(r.filterIndex, 2);
    EXPECT_FALSE(r.alwaysAnimate);
    EXPECT_TRUE(r.preview);
    EXPECT_EQ(r.title, "");
    EXPECT_EQ(r.initialDir, "");
    EXPECT_EQ(r.fileName, "");
    EXPECT_EQ(FilterCount(r.filter), 28);
    EXPECT_NE(r.filter.find("|All Files (*.*)|*.*|"), std::string::npos);
    // The video filter's description goes out in Windows-1251.
    EXPECT_NE(r.filter.find("\xC2\xE8\xE4\xE5\xEE \xE4\xEB\xFF Windows (*.avi)|*.avi"), std::string::npos);
    EXPECT_EQ(host.Last("File"), "C:\\pics\\cat.png");
}

TEST_F(DialogActions, OpenDialogSettings)
{
    const std::string folder = std::filesystem::temp_directory_path().string();
    struct Case {
        std::string start, animate, filter, title;
        std::string wantDir;
        bool wantAnimate;
        int wantFilter;
    };
    const Case cases[] = {
        {folder, "TRUE", "5", "Pick", folder, true, 5},
        {folder + "/no-such-folder-ixa3", "true", "abc", "", "", true, 2},
        {"", "yes", "99", "", "", false, 99}, // not checked against the list
        {"", "False", " $A", "", "", false, 10},
        {"", "", "2.5", "", "", false, 2},
    };
    AnswerFiles("", 1);
    for (const Case& c : cases) {
        requests.clear();
        EXPECT_TRUE(actions::ExecCanvasOpenDialog({"File", c.start, "start.jpg", c.animate, c.filter, c.title}));
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].initialDir, c.wantDir) << c.start;
        EXPECT_EQ(requests[0].alwaysAnimate, c.wantAnimate) << c.animate;
        EXPECT_EQ(requests[0].filterIndex, c.wantFilter) << c.filter;
        EXPECT_EQ(requests[0].title, c.title);
        EXPECT_EQ(requests[0].fileName, "start.jpg");
    }
    EXPECT_TRUE(host.vars.empty()); // all cancelled
}

TEST_F(DialogActions, SaveDialogAppendsTheFilterExtensionAlways)
{
    struct Case {
        const char* typed;
        int filter;
        const char* written;
    };
    for (const Case& c : {Case{"C:\\photo", 3, "C:\\photo.jpg"}, Case{"C:\\photo.jpg", 3, "C:\\photo.jpg.jpg"},
                          Case{"a.png", 7, "a.png.png"}, Case{"x", 1, "x.tif"}, Case{"x", 19, "x.avi"},
                          Case{"x", 9, "x.pxm"}, Case{"x", 0, "x"}, Case{"x", 20, "x"}}) {
        requests.clear();
        AnswerFiles(c.typed, c.filter);
        ASSERT_TRUE(actions::ExecCanvasSaveDialog({"Name"}));
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].kind, ui::FileDialogKind::Save);
        EXPECT_EQ(requests[0].filterIndex, 1);
        EXPECT_EQ(requests[0].title, "");
        EXPECT_EQ(FilterCount(requests[0].filter), 19);
        EXPECT_EQ(host.Last("Name"), c.written) << c.typed << " " << c.filter;
    }
    host.Clear();
    AnswerFiles("", 1);
    EXPECT_TRUE(actions::ExecCanvasSaveDialog({"Name"}));
    EXPECT_TRUE(host.vars.empty());
}

TEST_F(DialogActions, ADialogThatCannotBeShownCountsAsCancelled)
{
    Platform().SetColorDriver([](const ui::ColorDialogRequest&) -> std::optional<gfx::Color> {
        throw std::runtime_error("no dialog");
    });
    Platform().SetFileDriver([](const ui::FileDialogRequest&) -> std::optional<ui::FileDialogResult> {
        throw std::runtime_error("no dialog");
    });
    EXPECT_TRUE(actions::ExecCanvasColorBox({"V"}));
    EXPECT_TRUE(actions::ExecCanvasOpenDialog({"V"}));
    EXPECT_TRUE(actions::ExecCanvasSaveDialog({"V"}));
    EXPECT_TRUE(host.vars.empty());
}

TEST(PictureDialogs, SaveExtensionsMatchTheirFilters)
{
    EXPECT_EQ(actions::SaveFilterExtension(1), ".tif");
    EXPECT_EQ(actions::SaveFilterExtension(7), ".png");
    EXPECT_EQ(actions::SaveFilterExtension(18), ".wdp");
    EXPECT_EQ(actions::SaveFilterExtension(0), "");
    EXPECT_EQ(actions::SaveFilterExtension(-3), "");
    // Every save filter's patterns include its extension.
    const std::string& filter = actions::SavePictureFilter();
    std::size_t at = 0;
    for (int i = 1; i <= 19; ++i) {
        at = filter.find('|', at) + 1; // skip the description
        const std::size_t end = filter.find('|', at);
        const std::string patterns = filter.substr(at, end == std::string::npos ? std::string::npos : end - at);
        EXPECT_NE(patterns.find("*" + std::string(actions::SaveFilterExtension(i))), std::string::npos) << i;
        at = end == std::string::npos ? filter.size() : end + 1;
    }
}

} // namespace
