// The C functions of include/ixcanvas/headless.h over the headless platform. Each one
// checks its arguments, catches everything and answers with its failure value.
#include "ixcanvas/headless.h"

#include "ui/ControlAccess.h"
#include "ui/Form.h"
#include "ui/Render.h"
#include "ui/headless/HeadlessPlatform.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

using ix::ui::headless::HeadlessPlatform;
using ix::ui::headless::TheHeadlessPlatform;
namespace gfx = ix::gfx;
namespace ui = ix::ui;

namespace {

// Window bounds from the outside: sizes up to a surface's side, positions within reach,
// so left + width never overflows.
bool SaneBounds(int left, int top, int width, int height)
{
    constexpr int reach = 1 << 24;
    return width >= 0 && height >= 0 && width <= gfx::Surface::kMaxSide && height <= gfx::Surface::kMaxSide &&
           left >= -reach && left <= reach && top >= -reach && top <= reach;
}

template <class R, class F> R Guard(R failure, F&& f) noexcept
{
    try {
        return f();
    } catch (...) {
        return failure;
    }
}

int Answer(const std::string& s, char* buffer, std::size_t size)
{
    if (buffer && size > 0) {
        const std::size_t n = std::min(s.size(), size - 1);
        std::memcpy(buffer, s.data(), n);
        buffer[n] = '\0';
    }
    return static_cast<int>(std::min<std::size_t>(s.size(), INT_MAX));
}

ui::headless::WindowSystem& Ws()
{
    return TheHeadlessPlatform().Windows();
}

bool ToButton(int b, ui::MouseButton& out)
{
    switch (b) {
    case IXH_BUTTON_LEFT: out = ui::MouseButton::Left; return true;
    case IXH_BUTTON_RIGHT: out = ui::MouseButton::Right; return true;
    case IXH_BUTTON_MIDDLE: out = ui::MouseButton::Middle; return true;
    default: return false;
    }
}

// Injected points stay far from the int limits, so translating them cannot overflow.
ix::gfx::Point Clamped(int x, int y)
{
    constexpr int reach = 1 << 28;
    return {std::clamp(x, -reach, reach), std::clamp(y, -reach, reach)};
}

bool CopyRgba(const gfx::Surface& s, unsigned char* rgba, std::size_t size)
{
    const std::size_t need = static_cast<std::size_t>(s.Width()) * static_cast<std::size_t>(s.Height()) * 4;
    if (!rgba || size < need) return false;
    unsigned char* out = rgba;
    for (int y = 0; y < s.Height(); ++y) {
        const std::uint32_t* row = s.Row(y);
        for (int x = 0; x < s.Width(); ++x) {
            const std::uint32_t p = row[x];
            *out++ = static_cast<unsigned char>(p >> 16);
            *out++ = static_cast<unsigned char>(p >> 8);
            *out++ = static_cast<unsigned char>(p);
            *out++ = static_cast<unsigned char>(p >> 24);
        }
    }
    return true;
}

// The form behind a driver's handle, only while its modal run is in progress.
ui::Form* FormOf(ixh_form form)
{
    if (!form) return nullptr;
    for (ui::Form* f : TheHeadlessPlatform().ModalForms())
        if (reinterpret_cast<ixh_form>(f) == form) return f;
    return nullptr;
}

ui::Control* ControlOf(ixh_form form, const char* name)
{
    ui::Form* f = FormOf(form);
    if (!f) return nullptr;
    if (!name || !*name) return f;
    return f->Find(name);
}

std::string Text(const char* s)
{
    return s ? std::string(s) : std::string();
}

} // namespace

extern "C" {

int ixh_reset(void)
{
    return Guard(0, [] {
        TheHeadlessPlatform().Reset();
        return 1;
    });
}

ixh_window ixh_window_create(ixh_window parent, int left, int top, int width, int height)
{
    return Guard<ixh_window>(0, [&]() -> ixh_window {
        if (!SaneBounds(left, top, width, height)) return 0;
        return Ws().Create(static_cast<ui::WindowHandle>(parent), gfx::Rect::FromSize({left, top}, {width, height}));
    });
}

int ixh_window_destroy(ixh_window w)
{
    return Guard(0, [&] { return Ws().Destroy(static_cast<ui::WindowHandle>(w)) ? 1 : 0; });
}

int ixh_window_exists(ixh_window w)
{
    return Guard(0, [&] { return Ws().Exists(static_cast<ui::WindowHandle>(w)) ? 1 : 0; });
}

int ixh_window_set_bounds(ixh_window w, int left, int top, int width, int height)
{
    return Guard(0, [&] {
        if (!SaneBounds(left, top, width, height)) return 0;
        return Ws().SetBounds(static_cast<ui::WindowHandle>(w), gfx::Rect::FromSize({left, top}, {width, height}), true)
                   ? 1
                   : 0;
    });
}

int ixh_window_bounds(ixh_window w, int* left, int* top, int* width, int* height)
{
    return Guard(0, [&] {
        const auto b = Ws().Bounds(static_cast<ui::WindowHandle>(w));
        if (!b) return 0;
        if (left) *left = b->left;
        if (top) *top = b->top;
        if (width) *width = b->Width();
        if (height) *height = b->Height();
        return 1;
    });
}

int ixh_window_client_size(ixh_window w, int* width, int* height)
{
    return ixh_window_bounds(w, nullptr, nullptr, width, height);
}

int ixh_window_show(ixh_window w, int visible)
{
    return Guard(0, [&] { return Ws().SetVisible(static_cast<ui::WindowHandle>(w), visible != 0) ? 1 : 0; });
}

int ixh_window_enable(ixh_window w, int enabled)
{
    return Guard(0, [&] { return Ws().SetEnabled(static_cast<ui::WindowHandle>(w), enabled != 0) ? 1 : 0; });
}

int ixh_window_is_visible(ixh_window w)
{
    return Guard(-1, [&] {
        const auto h = static_cast<ui::WindowHandle>(w);
        return Ws().Exists(h) ? (Ws().IsVisible(h) ? 1 : 0) : -1;
    });
}

int ixh_window_is_enabled(ixh_window w)
{
    return Guard(-1, [&] {
        const auto h = static_cast<ui::WindowHandle>(w);
        return Ws().Exists(h) ? (Ws().IsEnabled(h) ? 1 : 0) : -1;
    });
}

int ixh_window_set_color(ixh_window w, uint32_t rgb)
{
    return Guard(0, [&] { return Ws().SetColor(static_cast<ui::WindowHandle>(w), gfx::Color(rgb)) ? 1 : 0; });
}

ixh_window ixh_window_parent(ixh_window w)
{
    return Guard<ixh_window>(0, [&] { return static_cast<ixh_window>(Ws().Parent(static_cast<ui::WindowHandle>(w))); });
}

int ixh_window_child_count(ixh_window w)
{
    return Guard(-1, [&] {
        const auto h = static_cast<ui::WindowHandle>(w);
        return Ws().Exists(h) ? static_cast<int>(Ws().Children(h).size()) : -1;
    });
}

ixh_window ixh_window_child(ixh_window w, int index)
{
    return Guard<ixh_window>(0, [&]() -> ixh_window {
        const auto c = Ws().Children(static_cast<ui::WindowHandle>(w));
        if (index < 0 || static_cast<std::size_t>(index) >= c.size()) return 0;
        return c[static_cast<std::size_t>(index)];
    });
}

int ixh_window_caption(ixh_window w, char* buffer, size_t size)
{
    return Guard(-1, [&] {
        const auto h = static_cast<ui::WindowHandle>(w);
        return Ws().Exists(h) ? Answer(Ws().Caption(h), buffer, size) : -1;
    });
}

int ixh_window_handle_text(ixh_window w, char* buffer, size_t size)
{
    return Guard(-1, [&] {
        const auto h = static_cast<ui::WindowHandle>(w);
        return Ws().Exists(h) ? Answer(std::to_string(w), buffer, size) : -1;
    });
}

int ixh_window_send_message(ixh_window w, uint32_t message, uint64_t wparam, int64_t lparam, int64_t* result)
{
    return Guard(0, [&] {
        const auto r = Ws().Send(static_cast<ui::WindowHandle>(w), message, static_cast<std::uintptr_t>(wparam),
                                 static_cast<std::intptr_t>(lparam));
        if (!r) return 0;
        if (result) *result = *r;
        return 1;
    });
}

int ixh_mouse_down(ixh_window w, int button, int x, int y)
{
    return Guard(0, [&] {
        ui::MouseButton b;
        return ToButton(button, b) && Ws().MouseDown(static_cast<ui::WindowHandle>(w), b, Clamped(x, y)) ? 1 : 0;
    });
}

int ixh_mouse_move(ixh_window w, int x, int y)
{
    return Guard(0, [&] { return Ws().MouseMove(static_cast<ui::WindowHandle>(w), Clamped(x, y)) ? 1 : 0; });
}

int ixh_mouse_up(ixh_window w, int button, int x, int y)
{
    return Guard(0, [&] {
        ui::MouseButton b;
        return ToButton(button, b) && Ws().MouseUp(static_cast<ui::WindowHandle>(w), b, Clamped(x, y)) ? 1 : 0;
    });
}

int ixh_mouse_click(ixh_window w, int button, int x, int y)
{
    return Guard(0, [&] {
        ui::MouseButton b;
        return ToButton(button, b) && Ws().Click(static_cast<ui::WindowHandle>(w), b, Clamped(x, y)) ? 1 : 0;
    });
}

int ixh_mouse_double_click(ixh_window w, int x, int y)
{
    return Guard(0, [&] { return Ws().DoubleClick(static_cast<ui::WindowHandle>(w), Clamped(x, y)) ? 1 : 0; });
}

int ixh_current_cursor(void)
{
    return Guard(0, [] { return TheHeadlessPlatform().CurrentCursor(); });
}

int ixh_window_render_rgba(ixh_window w, unsigned char* rgba, size_t size)
{
    return Guard(0, [&] {
        gfx::Surface s;
        if (!Ws().Render(static_cast<ui::WindowHandle>(w), s)) return 0;
        return CopyRgba(s, rgba, size) ? 1 : 0;
    });
}

ixh_dc ixh_dc_create(int width, int height)
{
    return Guard<ixh_dc>(0, [&]() -> ixh_dc {
        if (width < 0 || height < 0 || width > gfx::Surface::kMaxSide || height > gfx::Surface::kMaxSide) return 0;
        return Ws().CreateDeviceContext({width, height});
    });
}

int ixh_dc_read_rgba(ixh_dc dc, unsigned char* rgba, size_t size)
{
    return Guard(0, [&] {
        const gfx::Surface* s = Ws().DeviceSurface(static_cast<std::uintptr_t>(dc));
        return s && CopyRgba(*s, rgba, size) ? 1 : 0;
    });
}

int ixh_dc_size(ixh_dc dc, int* width, int* height)
{
    return Guard(0, [&] {
        const gfx::Surface* s = Ws().DeviceSurface(static_cast<std::uintptr_t>(dc));
        if (!s) return 0;
        if (width) *width = s->Width();
        if (height) *height = s->Height();
        return 1;
    });
}

int ixh_dc_destroy(ixh_dc dc)
{
    return Guard(0, [&] { return Ws().DestroyDeviceContext(static_cast<std::uintptr_t>(dc)) ? 1 : 0; });
}

int ixh_set_modal_driver(ixh_modal_driver driver, void* context)
{
    return Guard(0, [&] {
        if (!driver) {
            TheHeadlessPlatform().SetModalDriver(nullptr);
            return 1;
        }
        TheHeadlessPlatform().SetModalDriver([driver, context](ui::Form& f) {
            const int r = driver(context, reinterpret_cast<ixh_form>(&f));
            switch (r) {
            case IXH_MODAL_OK: return ui::ModalResult::Ok;
            case IXH_MODAL_CANCEL: return ui::ModalResult::Cancel;
            case IXH_MODAL_CLOSE: return ui::ModalResult::Close;
            default: return ui::ModalResult::None;
            }
        });
        return 1;
    });
}

int ixh_form_class(ixh_form form, char* buffer, size_t size)
{
    return Guard(-1, [&] {
        ui::Form* f = FormOf(form);
        return f ? Answer(f->ClassName(), buffer, size) : -1;
    });
}

int ixh_form_control_count(ixh_form form)
{
    return Guard(-1, [&] {
        ui::Form* f = FormOf(form);
        return f ? static_cast<int>(f->Subtree().size()) : -1;
    });
}

int ixh_form_control_name(ixh_form form, int index, char* buffer, size_t size)
{
    return Guard(-1, [&] {
        ui::Form* f = FormOf(form);
        if (!f) return -1;
        const auto all = f->Subtree();
        if (index < 0 || static_cast<std::size_t>(index) >= all.size()) return -1;
        return Answer(all[static_cast<std::size_t>(index)]->Name(), buffer, size);
    });
}

int ixh_form_get(ixh_form form, const char* control, const char* property, char* buffer, size_t size)
{
    return Guard(-1, [&] {
        ui::Control* c = ControlOf(form, control);
        if (!c || !property) return -1;
        const auto v = ui::ReadProperty(*c, property);
        return v ? Answer(*v, buffer, size) : -1;
    });
}

int ixh_form_set(ixh_form form, const char* control, const char* property, const char* value)
{
    return Guard(0, [&] {
        ui::Control* c = ControlOf(form, control);
        if (!c || !property) return 0;
        return ui::WriteProperty(*c, property, Text(value)) ? 1 : 0;
    });
}

int ixh_form_press(ixh_form form, const char* control)
{
    return Guard(0, [&] {
        ui::Control* c = ControlOf(form, control);
        return c && ui::Press(*c) ? 1 : 0;
    });
}

int ixh_form_key(ixh_form form, int key)
{
    return Guard(0, [&] {
        ui::Form* f = FormOf(form);
        if (!f) return 0;
        if (key == IXH_KEY_ENTER) return f->PressDefaultButton() ? 1 : 0;
        if (key == IXH_KEY_ESCAPE) {
            if (f->PressCancelButton()) return 1;
            f->Close(); // Esc without a cancel button still closes the dialog
            return 1;
        }
        return 0;
    });
}

int ixh_form_render_rgba(ixh_form form, unsigned char* rgba, size_t size, int* width, int* height)
{
    return Guard(0, [&] {
        ui::Form* f = FormOf(form);
        if (!f) return 0;
        if (width) *width = f->Width();
        if (height) *height = f->Height();
        if (!rgba) return 1;
        const gfx::Surface s = ui::RenderToSurface(*f, TheHeadlessPlatform().Text());
        return CopyRgba(s, rgba, size) ? 1 : 0;
    });
}

int ixh_set_message_box_driver(ixh_message_box_driver driver, void* context)
{
    return Guard(0, [&] {
        if (!driver) {
            TheHeadlessPlatform().SetMessageBoxDriver(nullptr);
            return 1;
        }
        TheHeadlessPlatform().SetMessageBoxDriver([driver, context](const ui::MessageBoxRequest& r) {
            const int a = driver(context, r.text.c_str(), r.caption.c_str(), static_cast<int>(r.kind),
                                 static_cast<int>(r.buttons));
            switch (a) {
            case IXH_MB_CANCEL: return ui::MessageBoxAnswer::Cancel;
            case IXH_MB_YES: return ui::MessageBoxAnswer::Yes;
            case IXH_MB_NO: return ui::MessageBoxAnswer::No;
            default: return ui::MessageBoxAnswer::Ok;
            }
        });
        return 1;
    });
}

int ixh_message_box_count(void)
{
    return Guard(0, [] { return static_cast<int>(TheHeadlessPlatform().MessageLog().size()); });
}

int ixh_message_box_text(int index, char* buffer, size_t size)
{
    return Guard(-1, [&] {
        const auto& log = TheHeadlessPlatform().MessageLog();
        if (index < 0 || static_cast<std::size_t>(index) >= log.size()) return -1;
        return Answer(log[static_cast<std::size_t>(index)].text, buffer, size);
    });
}

int ixh_set_color_driver(ixh_color_driver driver, void* context)
{
    return Guard(0, [&] {
        if (!driver) {
            TheHeadlessPlatform().SetColorDriver(nullptr);
            return 1;
        }
        TheHeadlessPlatform().SetColorDriver(
            [driver, context](const ui::ColorDialogRequest& r) -> std::optional<gfx::Color> {
                std::uint32_t chosen = r.initial.Value();
                if (driver(context, r.initial.Value(), &chosen) != 1) return std::nullopt;
                return gfx::Color(chosen);
            });
        return 1;
    });
}

int ixh_set_file_driver(ixh_file_driver driver, void* context)
{
    return Guard(0, [&] {
        if (!driver) {
            TheHeadlessPlatform().SetFileDriver(nullptr);
            return 1;
        }
        TheHeadlessPlatform().SetFileDriver(
            [driver, context](const ui::FileDialogRequest& r) -> std::optional<ui::FileDialogResult> {
                const ixh_file_request req{r.kind == ui::FileDialogKind::Save ? 1 : 0,
                                           r.title.c_str(),
                                           r.initialDir.c_str(),
                                           r.fileName.c_str(),
                                           r.filter.c_str(),
                                           r.filterIndex,
                                           r.preview ? 1 : 0,
                                           r.alwaysAnimate ? 1 : 0};
                std::string name(4096, '\0');
                int index = r.filterIndex;
                if (driver(context, &req, name.data(), name.size(), &index) != 1) return std::nullopt;
                name.resize(strnlen(name.data(), name.size()));
                return ui::FileDialogResult{name, index};
            });
        return 1;
    });
}

int ixh_opened_url_count(void)
{
    return Guard(0, [] { return static_cast<int>(TheHeadlessPlatform().OpenedUrls().size()); });
}

int ixh_opened_url(int index, char* buffer, size_t size)
{
    return Guard(-1, [&] {
        const auto& urls = TheHeadlessPlatform().OpenedUrls();
        if (index < 0 || static_cast<std::size_t>(index) >= urls.size()) return -1;
        return Answer(urls[static_cast<std::size_t>(index)], buffer, size);
    });
}

int ixh_clipboard_set_available(int available)
{
    return Guard(0, [&] {
        TheHeadlessPlatform().HeadlessClip().SetAvailable(available != 0);
        return 1;
    });
}

int ixh_clipboard_clear(void)
{
    return Guard(0, [] {
        TheHeadlessPlatform().HeadlessClip().Clear();
        return 1;
    });
}

int ixh_clipboard_format_count(void)
{
    return Guard(0, [] { return static_cast<int>(TheHeadlessPlatform().HeadlessClip().StoredFormats().size()); });
}

int ixh_clipboard_format_name(int index, char* buffer, size_t size)
{
    return Guard(-1, [&] {
        auto& clip = TheHeadlessPlatform().HeadlessClip();
        const auto formats = clip.StoredFormats();
        if (index < 0 || static_cast<std::size_t>(index) >= formats.size()) return -1;
        return Answer(clip.NameOf(formats[static_cast<std::size_t>(index)]), buffer, size);
    });
}

int64_t ixh_clipboard_get(const char* format, unsigned char* buffer, size_t size)
{
    return Guard<int64_t>(-1, [&]() -> int64_t {
        if (!format) return -1;
        auto& clip = TheHeadlessPlatform().HeadlessClip();
        const auto* data = clip.Peek(clip.FormatOf(format));
        if (!data) return -1;
        if (buffer) std::memcpy(buffer, data->data(), std::min(size, data->size()));
        return static_cast<int64_t>(data->size());
    });
}

int ixh_clipboard_set(const char* format, const unsigned char* data, size_t size)
{
    return Guard(0, [&] {
        if (!format || (!data && size != 0)) return 0;
        auto& clip = TheHeadlessPlatform().HeadlessClip();
        const unsigned id = clip.RegisterFormat(format);
        if (!id) return 0;
        clip.Put(id, std::vector<std::uint8_t>(data, data + size));
        return 1;
    });
}

} // extern "C"
