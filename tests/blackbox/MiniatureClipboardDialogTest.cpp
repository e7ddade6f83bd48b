// Miniature, clipboard and dialog actions as a host drives them: through qlExecAction of
// libixcanvas.so, a headless host window and the headless clipboard and file dialog.
#include "ixcanvas/headless.h"
#include "ixcanvas/plugin.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

std::string& HandleText()
{
    static std::string text;
    return text;
}
std::map<std::string, std::string>& Vars()
{
    static std::map<std::string, std::string> vars;
    return vars;
}

char* HostString(const std::string& text)
{
    char* block = static_cast<char*>(std::malloc(text.size() + 1));
    std::memcpy(block, text.c_str(), text.size() + 1);
    return block;
}

void IX_HOSTCALL SetVar(const char* name, const char* value) { Vars()[name ? name : ""] = value ? value : ""; }
void IX_HOSTCALL AddAction(int32_t, const char*, const char*, IX_HOSTCALL_TAIL3(const uint8_t*, int32_t, int32_t)) {}
IxBool IX_HOSTCALL Interface(int32_t code, char** text)
{
    if (code != IX_IA_OBJECT_WINDOW || text == nullptr) return 0;
    std::free(*text);
    *text = HostString(HandleText());
    return 1;
}

// One qlExecAction call with the parameters as host strings.
bool Exec(int32_t id, const std::vector<std::string>& params)
{
    std::vector<char*> blocks;
    for (const std::string& p : params) blocks.push_back(HostString(p));
    blocks.push_back(nullptr);
    const bool ok = qlExecAction(id, blocks.data()) != 0;
    for (char* b : blocks) std::free(b);
    return ok;
}

int64_t ClipSize(const char* format) { return ixh_clipboard_get(format, nullptr, 0); }

struct MiniatureClipboardDialog : ::testing::Test {
    void SetUp() override
    {
        ASSERT_EQ(ixh_reset(), 1);
        Vars().clear();
        qlRegisterPlugIn(&AddAction, nullptr, nullptr, &SetVar);
        qlRegisterInterfaceAccess(&Interface);
        page = ixh_window_create(0, 0, 0, 300, 200);
        char text[32];
        ASSERT_GT(ixh_window_handle_text(page, text, sizeof text), 0);
        HandleText() = text;
        ASSERT_TRUE(Exec(1, {"Pic"}));
        ASSERT_TRUE(Exec(3, {"Pic", "40", "30", ""})); // blank 40 x 30 picture
    }
    void TearDown() override
    {
        qlMessage(2, 0, 0);
        ixh_reset();
    }
    ixh_window page = 0;
};

TEST_F(MiniatureClipboardDialog, CopyTestPasteAndAnUnavailableClipboard)
{
    ASSERT_TRUE(Exec(72, {"Pic", "Has"}));
    EXPECT_EQ(Vars()["Has"], "False");
    ASSERT_TRUE(Exec(71, {"Pic"}));
    EXPECT_GT(ClipSize("CF_DIB"), 40);
    ASSERT_TRUE(Exec(72, {"Pic", "Has"}));
    EXPECT_EQ(Vars()["Has"], "True");
    EXPECT_TRUE(Exec(73, {"Pic"}));

    ixh_clipboard_set_available(0);
    ASSERT_TRUE(Exec(72, {"Pic", "Has"}));
    EXPECT_EQ(Vars()["Has"], "False");
    EXPECT_TRUE(Exec(73, {"Pic"}));
    EXPECT_TRUE(Exec(71, {"Pic"}));
}

TEST_F(MiniatureClipboardDialog, BrokenClipboardPicturesFailWithoutHarm)
{
    const unsigned char truncated[] = {40, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0, 1, 0, 24, 0};
    ASSERT_EQ(ixh_clipboard_set("CF_DIB", truncated, sizeof truncated), 1);
    EXPECT_FALSE(Exec(73, {"Pic"}));
    EXPECT_FALSE(Exec(76, {"Pic"}));
    EXPECT_TRUE(Exec(71, {"Pic"})); // the canvas still works
    EXPECT_TRUE(Exec(73, {"Pic"}));
}

TEST_F(MiniatureClipboardDialog, MiniatureActionsAnswerForKnownAndUnknownNames)
{
    EXPECT_TRUE(Exec(64, {"Pic", "Miniature1"}));
    EXPECT_TRUE(Exec(65, {"Pic", "Miniature1"}));
    EXPECT_TRUE(Exec(66, {"Pic", "Miniature1", "", ""}));
    EXPECT_TRUE(Exec(67, {"Pic", "Miniature1", "True"}));
    EXPECT_TRUE(Exec(68, {"Pic", "Miniature1", "Hello"}));
    EXPECT_TRUE(Exec(69, {"Pic", "miniature1", "Sub"}));
    EXPECT_TRUE(Exec(70, {"Pic", "Miniature1", "/no/such/file.bmp"}));
    EXPECT_FALSE(Exec(64, {"Other", "Miniature1"}));
}

int SaveAs(void*, const ixh_file_request* request, char* name, size_t size, int* index)
{
    if (request->kind != 1) return 0;
    std::snprintf(name, size, "%s", "/tmp/photo.jpg");
    *index = 3;
    return 1;
}

TEST_F(MiniatureClipboardDialog, SaveDialogWritesTheNameWithItsFilterExtension)
{
    ASSERT_EQ(ixh_set_file_driver(&SaveAs, nullptr), 1);
    ASSERT_TRUE(Exec(95, {"Name"}));
    EXPECT_EQ(Vars()["Name"], "/tmp/photo.jpg.jpg");
    Vars().clear();
    ASSERT_TRUE(Exec(94, {"Open", "", "", "", "", ""})); // the driver cancels open dialogs
    EXPECT_EQ(Vars().count("Open"), 0u);
}

} // namespace
