#include "ixcanvas/headless.h"

#include "ui/Button.h"
#include "ui/Clipboard.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/LabeledEdit.h"
#include "ui/Panel.h"
#include "ui/Platform.h"
#include "ui/SpinEdit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace ix::ui;
using ix::gfx::Color;

namespace {

struct HeadlessApi : ::testing::Test {
    void SetUp() override { ASSERT_EQ(ixh_reset(), 1); }
    void TearDown() override { ixh_reset(); }

    static std::vector<unsigned char> Rgba(ixh_window w)
    {
        int width = 0, height = 0;
        if (!ixh_window_client_size(w, &width, &height)) return {};
        std::vector<unsigned char> px(static_cast<std::size_t>(width) * height * 4);
        if (!ixh_window_render_rgba(w, px.data(), px.size())) return {};
        return px;
    }
    static unsigned Pixel(const std::vector<unsigned char>& px, int width, int x, int y)
    {
        const unsigned char* p = &px[(static_cast<std::size_t>(y) * width + x) * 4];
        return unsigned(p[0]) | unsigned(p[1]) << 8 | unsigned(p[2]) << 16; // R + 256 G + 65536 B
    }
};

TEST_F(HeadlessApi, WindowTreeAndHandleText)
{
    const ixh_window top = ixh_window_create(0, 0, 0, 640, 480);
    ASSERT_NE(top, 0);
    const ixh_window rect = ixh_window_create(top, 10, 20, 300, 200);
    ASSERT_NE(rect, 0);
    EXPECT_EQ(ixh_window_parent(rect), top);
    EXPECT_EQ(ixh_window_child_count(top), 1);
    EXPECT_EQ(ixh_window_child(top, 0), rect);
    EXPECT_EQ(ixh_window_child(top, 1), 0);
    char text[32];
    ASSERT_GT(ixh_window_handle_text(rect, text, sizeof text), 0);
    EXPECT_EQ(std::strtoll(text, nullptr, 10), rect);
    int l = 0, t = 0, w = 0, h = 0;
    ASSERT_EQ(ixh_window_bounds(rect, &l, &t, &w, &h), 1);
    EXPECT_EQ((std::vector<int>{l, t, w, h}), (std::vector<int>{10, 20, 300, 200}));
    EXPECT_EQ(ixh_window_create(999, 0, 0, 1, 1), 0); // unknown parent
    EXPECT_EQ(ixh_window_create(0, 0, 0, -1, 1), 0);
    EXPECT_EQ(ixh_window_destroy(top), 1);
    EXPECT_EQ(ixh_window_exists(rect), 0);
    EXPECT_EQ(ixh_window_child_count(rect), -1);
    EXPECT_EQ(ixh_window_destroy(top), 0);
}

TEST_F(HeadlessApi, UnknownHandlesAndNullPointersFailSafely)
{
    EXPECT_EQ(ixh_window_show(12345, 1), 0);
    EXPECT_EQ(ixh_window_is_visible(12345), -1);
    EXPECT_EQ(ixh_mouse_click(12345, IXH_BUTTON_LEFT, 0, 0), 0);
    EXPECT_EQ(ixh_window_render_rgba(12345, nullptr, 0), 0);
    const ixh_window w = ixh_window_create(0, 0, 0, 4, 4);
    EXPECT_EQ(ixh_window_render_rgba(w, nullptr, 64), 0);
    unsigned char small[8];
    EXPECT_EQ(ixh_window_render_rgba(w, small, sizeof small), 0);
    EXPECT_EQ(ixh_mouse_down(w, 7, 0, 0), 0);
    EXPECT_EQ(ixh_window_send_message(12345, 1274, 0, 4, nullptr), 0);
    EXPECT_EQ(ixh_form_get(nullptr, "x", "text", nullptr, 0), -1);
    EXPECT_EQ(ixh_form_press(reinterpret_cast<ixh_form>(&small), "x"), 0); // not a modal form
    EXPECT_EQ(ixh_clipboard_get(nullptr, nullptr, 0), -1);
    EXPECT_EQ(ixh_clipboard_set("PNG", nullptr, 5), 0);
    EXPECT_EQ(ixh_window_handle_text(w, nullptr, 0), static_cast<int>(std::to_string(w).size()));
}

// A form embedded into a host window, as the canvas does it.
struct EmbeddedForm : HeadlessApi {
    ixh_window host = 0;
    std::unique_ptr<Form> form;
    Panel* panel = nullptr;
    std::vector<std::string> log;
    void SetUp() override
    {
        HeadlessApi::SetUp();
        const ixh_window top = ixh_window_create(0, 0, 0, 200, 150);
        host = ixh_window_create(top, 20, 10, 100, 80);
        form = std::make_unique<Form>("TPicture1", "TPicture");
        form->SetBorder(BorderStyle::None);
        form->SetColor(Color::FromRgb(255, 255, 255));
        ASSERT_TRUE(form->SetParentWindow(host));
        const auto rect = form->ParentClientRect();
        ASSERT_TRUE(rect);
        form->SetBounds(*rect);
        form->Show();
        panel = &form->Add<Panel>("Panel1");
        panel->SetBevelOuter(Bevel::None);
        panel->SetColor(Color::FromRgb(0, 0, 255));
        panel->SetBounds(10, 10, 30, 30);
        panel->onMouseDown = [this](Control&, const MouseEvent& e) {
            log.push_back("down " + std::to_string(e.x) + "," + std::to_string(e.y));
        };
        panel->onMouseMove = [this](Control&, const MouseEvent& e) {
            log.push_back("move " + std::to_string(e.x) + "," + std::to_string(e.y));
        };
        panel->onClick = [this](Control&) { log.push_back("click"); };
        form->onMessage = [this](Form& f, unsigned msg, std::uintptr_t, std::intptr_t l) -> std::intptr_t {
            log.push_back("msg " + std::to_string(msg) + " " + std::to_string(l));
            if (msg == 1274 && l == 7) f.SetEnabled(false);
            if (msg == 1274 && l == 8) f.SetEnabled(true);
            return 0;
        };
    }
    void TearDown() override
    {
        form.reset();
        HeadlessApi::TearDown();
    }
};

TEST_F(EmbeddedForm, FormBecomesAChildOfTheHostWindow)
{
    EXPECT_EQ(ixh_window_child_count(host), 1);
    EXPECT_EQ(ixh_window_child(host, 0), form->Handle());
    int w = 0, h = 0;
    ixh_window_client_size(form->Handle(), &w, &h);
    EXPECT_EQ(w, 100);
    EXPECT_EQ(h, 80);
    EXPECT_FALSE(form->SetParentWindow(987654));
}

TEST_F(EmbeddedForm, RenderingTheTopWindowShowsTheForm)
{
    const ixh_window top = ixh_window_parent(host);
    const auto px = Rgba(top);
    ASSERT_EQ(px.size(), 200u * 150 * 4);
    EXPECT_EQ(Pixel(px, 200, 5, 5), 0xFFFFFFu);          // host background (white)
    EXPECT_EQ(Pixel(px, 200, 20 + 15, 10 + 15), 0xFF0000u); // the blue panel: B in the high byte
    EXPECT_EQ(px[(25 * 200 + 35) * 4 + 3], 255);
    form->Hide();
    const auto hidden = Rgba(top);
    EXPECT_EQ(Pixel(hidden, 200, 35, 25), 0xFFFFFFu);
}

TEST_F(EmbeddedForm, MouseInjectionReachesTheControlInItsCoordinates)
{
    const ixh_window top = ixh_window_parent(host);
    ASSERT_EQ(ixh_mouse_down(top, IXH_BUTTON_LEFT, 20 + 15, 10 + 12), 1);
    ixh_mouse_move(top, 190, 140); // far outside: still captured
    ASSERT_EQ(ixh_mouse_up(top, IXH_BUTTON_LEFT, 20 + 15, 10 + 12), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"down 5,2", "move 160,120", "click"}));
}

TEST_F(EmbeddedForm, HostControlMessageReachesTheFormAndDisablesIt)
{
    int64_t result = -1;
    ASSERT_EQ(ixh_window_send_message(form->Handle(), 1274, 0, 7, &result), 1);
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(form->Enabled());
    EXPECT_EQ(ixh_window_is_enabled(form->Handle()), 0);
    ixh_mouse_click(host, IXH_BUTTON_LEFT, 15, 15);
    EXPECT_EQ(log, (std::vector<std::string>{"msg 1274 7"}));
    ixh_window_send_message(form->Handle(), 1274, 0, 8, &result);
    ixh_mouse_click(host, IXH_BUTTON_LEFT, 15, 15);
    EXPECT_EQ(log.back(), "click");
    // Host windows answer 0 and have no handler.
    ASSERT_EQ(ixh_window_send_message(host, 1274, 0, 4, &result), 1);
    EXPECT_EQ(result, 0);
}

TEST_F(EmbeddedForm, PaintIntoADeviceContext)
{
    const ixh_dc dc = ixh_dc_create(50, 50);
    ASSERT_NE(dc, 0u);
    EXPECT_TRUE(form->PaintTo(dc, {0, 0}));
    EXPECT_FALSE(form->PaintTo(0, {0, 0}));
    EXPECT_FALSE(form->PaintTo(dc + 1, {0, 0}));
    std::vector<unsigned char> px(50 * 50 * 4);
    ASSERT_EQ(ixh_dc_read_rgba(dc, px.data(), px.size()), 1);
    EXPECT_EQ(Pixel(px, 50, 15, 15), 0xFF0000u);
    EXPECT_EQ(Pixel(px, 50, 5, 5), 0xFFFFFFu);
    EXPECT_EQ(ixh_dc_destroy(dc), 1);
    EXPECT_EQ(ixh_dc_destroy(dc), 0);
}

TEST_F(EmbeddedForm, HostResizeReachesTheFormAndDestroyingTheHostOrphansIt)
{
    ASSERT_EQ(ixh_window_set_bounds(form->Handle(), 0, 0, 60, 40), 1);
    EXPECT_EQ(form->ClientSize(), (ix::gfx::Size{60, 40}));
    const ixh_window formWindow = form->Handle();
    ASSERT_EQ(ixh_window_destroy(host), 1);
    EXPECT_EQ(ixh_window_exists(formWindow), 0);
    EXPECT_FALSE(form->HasWindow());
    EXPECT_NO_THROW(form->Invalidate());
}

// ---- modal forms -------------------------------------------------------------------------

struct ModalForm : HeadlessApi {
    std::unique_ptr<Form> form;
    void SetUp() override
    {
        HeadlessApi::SetUp();
        form = std::make_unique<Form>("FormOne", "TFormOne");
        form->SetClientSize({524, 336});
        auto& edit = form->Add<LabeledEdit>("LEdit1");
        edit.SetLabelCaption("Caption:");
        auto& combo = form->Add<ComboBox>("ComboBox1");
        combo.SetItems({"False", "True"});
        auto& spin = form->Add<SpinEdit>("SpinEdit1");
        spin.SetRange(1, 99);
        spin.SetMaxLength(2);
        spin.SetValue(2);
        auto& picker = form->Add<SpeedButton>("Kn1");
        picker.onClick = [this](Control&) { form->Find("LEdit1")->SetText("Rectangle2"); };
        auto& ok = form->Add<Button>("ButtonOK50");
        ok.SetCaption("OK");
        ok.SetModalResultValue(ModalResult::Ok);
        ok.SetDefault(true);
        auto& cancel = form->Add<Button>("ButtonCancel50");
        cancel.SetModalResultValue(ModalResult::Cancel);
        cancel.SetDefault(true);
    }
    void TearDown() override
    {
        form.reset();
        HeadlessApi::TearDown();
    }
    static std::string Get(ixh_form f, const char* c, const char* p)
    {
        char buf[256];
        return ixh_form_get(f, c, p, buf, sizeof buf) >= 0 ? buf : "<none>";
    }
};

TEST_F(ModalForm, WithoutADriverTheFormReturnsCancelAtOnce)
{
    EXPECT_EQ(form->ShowModal(), ModalResult::Cancel);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->HasWindow());
}

TEST_F(ModalForm, DriverReadsSetsPressesAndConfirms)
{
    struct Seen {
        std::string cls, label, spinBefore, spinAfter, comboAfter, editAfter;
        int count = 0;
    } seen;
    ixh_set_modal_driver(
        [](void* ctx, ixh_form f) {
            auto& s = *static_cast<Seen*>(ctx);
            char buf[64];
            ixh_form_class(f, buf, sizeof buf);
            s.cls = buf;
            s.count = ixh_form_control_count(f);
            s.label = Get(f, "LEdit1", "label");
            s.spinBefore = Get(f, "SpinEdit1", "value");
            ixh_form_set(f, "SpinEdit1", "text", "500"); // typed, cut to 2 characters: 50
            s.spinAfter = Get(f, "SpinEdit1", "value");
            ixh_form_set(f, "ComboBox1", "text", "True");
            s.comboAfter = Get(f, "ComboBox1", "text");
            ixh_form_press(f, "Kn1");
            s.editAfter = Get(f, "LEdit1", "text");
            ixh_form_press(f, "ButtonOK50");
            return IXH_MODAL_FROM_FORM;
        },
        &seen);
    EXPECT_EQ(form->ShowModal(), ModalResult::Ok);
    EXPECT_EQ(seen.cls, "TFormOne");
    EXPECT_EQ(seen.count, 8); // form, edit, its label, combo, spin, picker, two buttons
    EXPECT_EQ(seen.label, "Caption:");
    EXPECT_EQ(seen.spinBefore, "2");
    EXPECT_EQ(seen.spinAfter, "50");
    EXPECT_EQ(seen.comboAfter, "True");
    EXPECT_EQ(seen.editAfter, "Rectangle2");
    EXPECT_EQ(form->Find("LEdit1")->Text(), "Rectangle2");
}

TEST_F(ModalForm, DriverAnswersAndKeys)
{
    struct Case {
        ixh_modal_driver driver;
        ModalResult expected;
    };
    const Case cases[] = {
        {[](void*, ixh_form) { return IXH_MODAL_CANCEL; }, ModalResult::Cancel},
        {[](void*, ixh_form) { return IXH_MODAL_CLOSE; }, ModalResult::Close},
        {[](void*, ixh_form) { return IXH_MODAL_FROM_FORM; }, ModalResult::Cancel}, // nothing pressed
        {[](void*, ixh_form f) { return ixh_form_key(f, IXH_KEY_ENTER) ? IXH_MODAL_FROM_FORM : -1; },
         ModalResult::Ok}, // the first default button: OK
        {[](void*, ixh_form f) { return ixh_form_press(f, "ButtonCancel50") ? IXH_MODAL_FROM_FORM : -1; },
         ModalResult::Cancel},
        {[](void*, ixh_form) { return 12345; }, ModalResult::Cancel},
    };
    for (const Case& c : cases) {
        ixh_set_modal_driver(c.driver, nullptr);
        EXPECT_EQ(form->ShowModal(), c.expected);
    }
}

TEST_F(ModalForm, HiddenOrDisabledButtonsCannotBePressedAndHandlesDieWithTheRun)
{
    static ixh_form kept = nullptr;
    form->Find("ButtonOK50")->Hide();
    ixh_set_modal_driver(
        [](void*, ixh_form f) {
            kept = f;
            return ixh_form_press(f, "ButtonOK50") || ixh_form_press(f, "Missing") ? IXH_MODAL_OK : IXH_MODAL_CANCEL;
        },
        nullptr);
    EXPECT_EQ(form->ShowModal(), ModalResult::Cancel);
    EXPECT_EQ(ixh_form_get(kept, "LEdit1", "text", nullptr, 0), -1); // the run is over
}

TEST_F(ModalForm, ADriverThatShowsANestedModalFormGetsItToo)
{
    static Form* inner = nullptr;
    Form nested("Nested", "TNested");
    inner = &nested;
    ixh_set_modal_driver(
        [](void*, ixh_form f) {
            char cls[32];
            ixh_form_class(f, cls, sizeof cls);
            if (std::string(cls) == "TFormOne") return inner->ShowModal() == ModalResult::Ok ? IXH_MODAL_OK : IXH_MODAL_CANCEL;
            return IXH_MODAL_OK;
        },
        nullptr);
    EXPECT_EQ(form->ShowModal(), ModalResult::Ok);
}

TEST_F(HeadlessApi, MessageBoxWithoutADriverAnswersOkAtOnceAndIsLogged)
{
    MessageBoxRequest r;
    r.text = "\xCF\xEE\xE4\xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB \xEE\xF2\xF1\xF3\xF2\xF1\xF2\xE2\xF3\xFE\xF2";
    EXPECT_EQ(ThePlatform().ShowMessageBox(r), MessageBoxAnswer::Ok);
    ASSERT_EQ(ixh_message_box_count(), 1);
    char buf[64];
    ixh_message_box_text(0, buf, sizeof buf);
    EXPECT_EQ(std::string(buf), r.text);
    ixh_set_message_box_driver(
        [](void*, const char*, const char*, int, int buttons) { return buttons == 2 ? IXH_MB_NO : IXH_MB_OK; },
        nullptr);
    r.buttons = MessageBoxButtons::YesNo;
    EXPECT_EQ(ThePlatform().ShowMessageBox(r), MessageBoxAnswer::No);
}

TEST_F(HeadlessApi, ColourAndFileDialogsGoThroughTheirDrivers)
{
    EXPECT_FALSE(ThePlatform().ChooseColor({}));
    EXPECT_FALSE(ThePlatform().ChooseFile({}));
    ixh_set_color_driver(
        [](void*, uint32_t, uint32_t* chosen) {
            *chosen = 0xFF0000u; // pure blue
            return 1;
        },
        nullptr);
    const auto c = ThePlatform().ChooseColor({});
    ASSERT_TRUE(c);
    EXPECT_EQ(*c, Color::FromRgb(0, 0, 255));
    ixh_set_file_driver(
        [](void*, const ixh_file_request* r, char* name, size_t size, int* index) {
            if (r->kind != 1 || std::string(r->filter) != "PNG|*.png") return 0;
            std::snprintf(name, size, "c:\\pics\\a");
            *index = 7;
            return 1;
        },
        nullptr);
    FileDialogRequest req;
    req.kind = FileDialogKind::Save;
    req.filter = "PNG|*.png";
    const auto f = ThePlatform().ChooseFile(req);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->fileName, "c:\\pics\\a");
    EXPECT_EQ(f->filterIndex, 7);
    req.kind = FileDialogKind::Open;
    EXPECT_FALSE(ThePlatform().ChooseFile(req));
}

TEST_F(HeadlessApi, ClipboardFormatsAvailabilityAndReset)
{
    Clipboard& clip = ThePlatform().SystemClipboard();
    {
        ClipboardSession s(clip);
        ASSERT_TRUE(s.IsOpen());
        EXPECT_FALSE(ClipboardSession(clip).IsOpen()); // already open
        s->Empty();
        EXPECT_TRUE(s->Set(Clipboard::kDib, {1, 2, 3}));
        EXPECT_TRUE(s->Set(s->RegisterFormat("PNG"), {9}));
    }
    EXPECT_EQ(ixh_clipboard_format_count(), 2);
    char name[32];
    ixh_clipboard_format_name(0, name, sizeof name);
    EXPECT_EQ(std::string(name), "CF_DIB");
    ixh_clipboard_format_name(1, name, sizeof name);
    EXPECT_EQ(std::string(name), "PNG");
    unsigned char data[8];
    EXPECT_EQ(ixh_clipboard_get("CF_DIB", data, sizeof data), 3);
    EXPECT_EQ(data[2], 3);
    EXPECT_EQ(ixh_clipboard_get("CF_ENHMETAFILE", data, sizeof data), -1);
    EXPECT_EQ(clip.RegisterFormat("PNG"), clip.RegisterFormat("PNG"));

    ixh_clipboard_set_available(0);
    {
        ClipboardSession s(clip);
        EXPECT_FALSE(s.IsOpen());
        EXPECT_FALSE(clip.Has(Clipboard::kDib));
        EXPECT_FALSE(clip.Set(Clipboard::kDib, {1}));
    }
    ixh_clipboard_set_available(1);
    const unsigned char text[] = {'h', 'i'};
    ASSERT_EQ(ixh_clipboard_set("CF_TEXT", text, 2), 1);
    {
        ClipboardSession s(clip);
        ASSERT_TRUE(s->Get(1));
        EXPECT_EQ(s->Get(1)->size(), 2u);
    }
    ixh_reset();
    EXPECT_EQ(ixh_clipboard_format_count(), 0);
}

TEST_F(HeadlessApi, CursorFollowsTheControlUnderTheMouse)
{
    const ixh_window top = ixh_window_create(0, 0, 0, 100, 100);
    Form form("F");
    form.SetParentWindow(top);
    form.SetBounds(0, 0, 100, 100);
    form.Show();
    form.Add<Panel>("p").SetBounds(0, 0, 50, 50);
    form.Find("p")->SetCursor(-21);
    ixh_mouse_move(top, 10, 10);
    EXPECT_EQ(ixh_current_cursor(), -21);
    ixh_mouse_move(top, 70, 70);
    EXPECT_EQ(ixh_current_cursor(), 0);
}

} // namespace
