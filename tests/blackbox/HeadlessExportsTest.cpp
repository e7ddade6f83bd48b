// The headless C API as a host sees it: through libixcanvas.so and nothing else.
#include "ixcanvas/headless.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct HeadlessExports : ::testing::Test {
    void SetUp() override { ASSERT_EQ(ixh_reset(), 1); }
    void TearDown() override { ixh_reset(); }
};

TEST_F(HeadlessExports, HostWindowsRenderTheirColoursAndChildren)
{
    const ixh_window page = ixh_window_create(0, 0, 0, 8, 6);
    const ixh_window rect = ixh_window_create(page, 2, 1, 3, 2);
    ASSERT_NE(page, 0);
    ASSERT_NE(rect, 0);
    ASSERT_EQ(ixh_window_set_color(rect, 0x0000FFu), 1); // red
    std::vector<unsigned char> px(8 * 6 * 4);
    ASSERT_EQ(ixh_window_render_rgba(page, px.data(), px.size()), 1);
    auto at = [&](int x, int y) { return std::vector<unsigned char>(&px[(y * 8 + x) * 4], &px[(y * 8 + x) * 4 + 4]); };
    EXPECT_EQ(at(0, 0), (std::vector<unsigned char>{255, 255, 255, 255}));
    EXPECT_EQ(at(2, 1), (std::vector<unsigned char>{255, 0, 0, 255}));
    EXPECT_EQ(at(4, 2), (std::vector<unsigned char>{255, 0, 0, 255}));
    EXPECT_EQ(at(5, 2), (std::vector<unsigned char>{255, 255, 255, 255}));
    ixh_window_show(rect, 0);
    ASSERT_EQ(ixh_window_render_rgba(page, px.data(), px.size()), 1);
    EXPECT_EQ(at(2, 1), (std::vector<unsigned char>{255, 255, 255, 255}));
}

TEST_F(HeadlessExports, HandleTextIsDecimalAndMessagesToHostWindowsAnswerZero)
{
    const ixh_window w = ixh_window_create(0, 0, 0, 10, 10);
    char text[32];
    ASSERT_GT(ixh_window_handle_text(w, text, sizeof text), 0);
    EXPECT_EQ(std::to_string(w), text);
    int64_t result = 99;
    EXPECT_EQ(ixh_window_send_message(w, 1274, 0, 4, &result), 1);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ixh_mouse_click(w, IXH_BUTTON_LEFT, 3, 3), 1);
    EXPECT_EQ(ixh_mouse_click(w, IXH_BUTTON_LEFT, 30, 3), 0); // outside the window
}

TEST_F(HeadlessExports, ClipboardRoundTripAndUnavailability)
{
    const unsigned char png[] = {0x89, 'P', 'N', 'G'};
    ASSERT_EQ(ixh_clipboard_set("PNG", png, sizeof png), 1);
    unsigned char back[8] = {};
    EXPECT_EQ(ixh_clipboard_get("PNG", back, sizeof back), 4);
    EXPECT_EQ(std::memcmp(back, png, 4), 0);
    EXPECT_EQ(ixh_clipboard_set_available(0), 1);
    EXPECT_EQ(ixh_clipboard_clear(), 1);
    EXPECT_EQ(ixh_clipboard_format_count(), 0);
}

TEST_F(HeadlessExports, DeviceContextsAreWhiteSurfaces)
{
    const ixh_dc dc = ixh_dc_create(2, 2);
    ASSERT_NE(dc, 0u);
    int w = 0, h = 0;
    ASSERT_EQ(ixh_dc_size(dc, &w, &h), 1);
    EXPECT_EQ(w * h, 4);
    unsigned char px[16];
    ASSERT_EQ(ixh_dc_read_rgba(dc, px, sizeof px), 1);
    EXPECT_EQ(px[0], 255);
    EXPECT_EQ(ixh_dc_destroy(dc), 1);
    EXPECT_EQ(ixh_dc_create(-1, 5), 0u);
}

} // namespace
