// The Linux stage: the headless window system of libixcanvas.so, reached through the C API
// the library exports next to its eight entry points (include/ixcanvas/headless.h). The
// functions are looked up in the loaded library, so the host links nothing of the plug-in.
#include "host/Stage.h"

#include "host/DynamicLibrary.h"
#include "host/PngFile.h"
#include "host/ScriptError.h"
#include "host/Text.h"
#include "host/Words.h"

#if __has_include(<ixcanvas/headless.h>)
#include <ixcanvas/headless.h>
#define IX_HOST_HAS_HEADLESS 1
#endif

#include <cstring>
#include <string>
#include <vector>

namespace ix::host {
#ifdef IX_HOST_HAS_HEADLESS
namespace {

constexpr std::uint32_t kHostControlMessage = 1274;
constexpr std::int64_t kPaintIntoDeviceContext = 5;
constexpr std::uint32_t kPageColor = 240 + 256 * 240 + 65536 * 240;

struct Api {
    decltype(&ixh_reset) reset = nullptr;
    decltype(&ixh_window_create) windowCreate = nullptr;
    decltype(&ixh_window_set_bounds) windowSetBounds = nullptr;
    decltype(&ixh_window_client_size) windowClientSize = nullptr;
    decltype(&ixh_window_is_enabled) windowIsEnabled = nullptr;
    decltype(&ixh_window_set_color) windowSetColor = nullptr;
    decltype(&ixh_window_child_count) windowChildCount = nullptr;
    decltype(&ixh_window_child) windowChild = nullptr;
    decltype(&ixh_window_handle_text) windowHandleText = nullptr;
    decltype(&ixh_window_send_message) windowSendMessage = nullptr;
    decltype(&ixh_mouse_down) mouseDown = nullptr;
    decltype(&ixh_mouse_move) mouseMove = nullptr;
    decltype(&ixh_mouse_up) mouseUp = nullptr;
    decltype(&ixh_window_render_rgba) windowRenderRgba = nullptr;
    decltype(&ixh_dc_create) dcCreate = nullptr;
    decltype(&ixh_dc_read_rgba) dcReadRgba = nullptr;
    decltype(&ixh_dc_destroy) dcDestroy = nullptr;
    decltype(&ixh_set_modal_driver) setModalDriver = nullptr;
    decltype(&ixh_form_get) formGet = nullptr;
    decltype(&ixh_form_set) formSet = nullptr;
    decltype(&ixh_form_press) formPress = nullptr;
    decltype(&ixh_form_key) formKey = nullptr;
    decltype(&ixh_form_render_rgba) formRenderRgba = nullptr;
    decltype(&ixh_set_message_box_driver) setMessageBoxDriver = nullptr;
    decltype(&ixh_set_color_driver) setColorDriver = nullptr;
    decltype(&ixh_set_file_driver) setFileDriver = nullptr;
};

template <typename Fn> void Resolve(const DynamicLibrary& library, const char* name, Fn& slot)
{
    void* address = library.Symbol(name);
    if (!address) throw ScriptError(0, std::string("the plug-in does not export the headless function ") + name);
    slot = reinterpret_cast<Fn>(address);
}

Api ResolveApi(const DynamicLibrary& l)
{
    Api a;
    Resolve(l, "ixh_reset", a.reset);
    Resolve(l, "ixh_window_create", a.windowCreate);
    Resolve(l, "ixh_window_set_bounds", a.windowSetBounds);
    Resolve(l, "ixh_window_client_size", a.windowClientSize);
    Resolve(l, "ixh_window_is_enabled", a.windowIsEnabled);
    Resolve(l, "ixh_window_set_color", a.windowSetColor);
    Resolve(l, "ixh_window_child_count", a.windowChildCount);
    Resolve(l, "ixh_window_child", a.windowChild);
    Resolve(l, "ixh_window_handle_text", a.windowHandleText);
    Resolve(l, "ixh_window_send_message", a.windowSendMessage);
    Resolve(l, "ixh_mouse_down", a.mouseDown);
    Resolve(l, "ixh_mouse_move", a.mouseMove);
    Resolve(l, "ixh_mouse_up", a.mouseUp);
    Resolve(l, "ixh_window_render_rgba", a.windowRenderRgba);
    Resolve(l, "ixh_dc_create", a.dcCreate);
    Resolve(l, "ixh_dc_read_rgba", a.dcReadRgba);
    Resolve(l, "ixh_dc_destroy", a.dcDestroy);
    Resolve(l, "ixh_set_modal_driver", a.setModalDriver);
    Resolve(l, "ixh_form_get", a.formGet);
    Resolve(l, "ixh_form_set", a.formSet);
    Resolve(l, "ixh_form_press", a.formPress);
    Resolve(l, "ixh_form_key", a.formKey);
    Resolve(l, "ixh_form_render_rgba", a.formRenderRgba);
    Resolve(l, "ixh_set_message_box_driver", a.setMessageBoxDriver);
    Resolve(l, "ixh_set_color_driver", a.setColorDriver);
    Resolve(l, "ixh_set_file_driver", a.setFileDriver);
    return a;
}

int ButtonCode(MouseButton b)
{
    switch (b) {
    case MouseButton::Right: return IXH_BUTTON_RIGHT;
    case MouseButton::Middle: return IXH_BUTTON_MIDDLE;
    default: return IXH_BUTTON_LEFT;
    }
}

class HeadlessStage : public Stage {
public:
    explicit HeadlessStage(const DynamicLibrary& library) : api_(ResolveApi(library)) { api_.reset(); }
    ~HeadlessStage() override
    {
        api_.setModalDriver(nullptr, nullptr);
        api_.setMessageBoxDriver(nullptr, nullptr);
        api_.setColorDriver(nullptr, nullptr);
        api_.setFileDriver(nullptr, nullptr);
    }

    void CreatePage(int width, int height) override
    {
        page_ = api_.windowCreate(0, 0, 0, width, height);
        if (!page_) throw ScriptError(0, "cannot make the page window");
        api_.windowSetColor(page_, kPageColor);
    }

    WindowId CreateObject(const Bounds& b) override
    {
        ixh_window w = api_.windowCreate(page_, b.left, b.top, b.width, b.height);
        if (!w) throw ScriptError(0, "cannot make an object window");
        return w;
    }

    bool MoveObject(WindowId object, const Bounds& b) override
    {
        return api_.windowSetBounds(object, b.left, b.top, b.width, b.height) == 1;
    }

    std::string HandleText(WindowId w) override
    {
        char buffer[32] = {};
        int n = api_.windowHandleText(w, buffer, sizeof buffer);
        return n > 0 && static_cast<std::size_t>(n) < sizeof buffer ? std::string(buffer, n) : std::string("0");
    }

    WindowId CanvasWindow(WindowId object) override
    {
        int n = api_.windowChildCount(object);
        return n > 0 ? api_.windowChild(object, n - 1) : 0;
    }

    bool IsEnabled(WindowId w) override { return api_.windowIsEnabled(w) == 1; }

    bool MouseDown(WindowId w, MouseButton b, int x, int y) override { return api_.mouseDown(w, ButtonCode(b), x, y) == 1; }
    bool MouseMove(WindowId w, int x, int y) override { return api_.mouseMove(w, x, y) == 1; }
    bool MouseUp(WindowId w, MouseButton b, int x, int y) override { return api_.mouseUp(w, ButtonCode(b), x, y) == 1; }

    std::optional<std::int64_t> Send(WindowId w, std::uint32_t message, std::uint64_t wParam, std::int64_t lParam) override
    {
        std::int64_t result = 0;
        if (api_.windowSendMessage(w, message, wParam, lParam, &result) != 1) return std::nullopt;
        return result;
    }

    std::optional<RgbaImage> Capture(WindowId w) override
    {
        RgbaImage image;
        if (api_.windowClientSize(w, &image.width, &image.height) != 1 || image.width <= 0 || image.height <= 0)
            return std::nullopt;
        image.rgba.resize(static_cast<std::size_t>(image.width) * image.height * 4);
        if (api_.windowRenderRgba(w, image.rgba.data(), image.rgba.size()) != 1) return std::nullopt;
        return image;
    }

    std::optional<RgbaImage> PaintIntoDeviceContext(WindowId w, int width, int height) override
    {
        ixh_dc dc = api_.dcCreate(width, height);
        if (!dc) return std::nullopt;
        RgbaImage image;
        image.width = width;
        image.height = height;
        image.rgba.resize(static_cast<std::size_t>(width) * height * 4);
        bool ok = api_.windowSendMessage(w, kHostControlMessage, dc, kPaintIntoDeviceContext, nullptr) == 1 &&
                  api_.dcReadRgba(dc, image.rgba.data(), image.rgba.size()) == 1;
        api_.dcDestroy(dc);
        if (!ok) return std::nullopt;
        return image;
    }

    void InstallDialogDrivers(DialogAnswers& answers) override
    {
        answers_ = &answers;
        api_.setModalDriver(&ModalDriver, this);
        api_.setMessageBoxDriver(&MessageBoxDriver, this);
        api_.setColorDriver(&ColorDriver, this);
        api_.setFileDriver(&FileDriver, this);
    }

private:
    std::optional<std::string> FormGet(ixh_form form, const std::string& control, const char* property)
    {
        int n = api_.formGet(form, control.c_str(), property, nullptr, 0);
        if (n < 0) return std::nullopt;
        std::string value(static_cast<std::size_t>(n) + 1, '\0');
        if (api_.formGet(form, control.c_str(), property, value.data(), value.size()) != n) return std::nullopt;
        value.resize(static_cast<std::size_t>(n));
        return value;
    }

    void Failure(int line, const std::string& text)
    {
        answers_->failures.push_back("line " + std::to_string(line) + ": " + text);
    }

    bool Choose(ixh_form form, const FormStep& step)
    {
        std::optional<std::string> items = FormGet(form, step.args[0], "items");
        if (!items) return false;
        int index = 0;
        std::size_t pos = 0;
        while (pos <= items->size()) {
            std::size_t end = items->find_first_of("\r\n", pos);
            if (end == std::string::npos) end = items->size();
            if (items->compare(pos, end - pos, step.args[1]) == 0)
                return api_.formSet(form, step.args[0].c_str(), "itemindex", std::to_string(index).c_str()) == 1;
            if (end < items->size() && (*items)[end] == '\r' && end + 1 < items->size() && (*items)[end + 1] == '\n') ++end;
            pos = end + 1;
            ++index;
        }
        return false;
    }

    int RunForm(ixh_form form, const FormAnswer& answer)
    {
        int result = IXH_MODAL_FROM_FORM;
        for (const FormStep& step : answer.steps) {
            const std::vector<std::string>& a = step.args;
            switch (step.kind) {
            case FormStep::Kind::Set:
                if (api_.formSet(form, a[0].c_str(), a[1].c_str(), a[2].c_str()) != 1)
                    Failure(step.line, "cannot set " + ToUtf8(a[1]) + " of " + ToUtf8(a[0]));
                break;
            case FormStep::Kind::Type:
                if (api_.formSet(form, a[0].c_str(), "text", a[1].c_str()) != 1)
                    Failure(step.line, "cannot type into " + ToUtf8(a[0]));
                break;
            case FormStep::Kind::Choose:
                if (!Choose(form, step)) Failure(step.line, ToUtf8(a[0]) + " offers no item " + ToUtf8(a[1]));
                break;
            case FormStep::Kind::Press:
                if (api_.formPress(form, a[0].c_str()) != 1) Failure(step.line, "cannot press " + ToUtf8(a[0]));
                break;
            case FormStep::Kind::Key: {
                int key = SameName(a[0], "enter") ? IXH_KEY_ENTER : SameName(a[0], "escape") ? IXH_KEY_ESCAPE : 0;
                if (!key || api_.formKey(form, key) != 1) Failure(step.line, "cannot press the key " + ToUtf8(a[0]));
                break;
            }
            case FormStep::Kind::Expect: {
                std::optional<std::string> got = FormGet(form, a[0], a[1].c_str());
                if (!got) Failure(step.line, "the form has no " + ToUtf8(a[1]) + " of " + ToUtf8(a[0]));
                else if (*got != a[2])
                    Failure(step.line, ToUtf8(a[1]) + " of " + ToUtf8(a[0]) + " is \"" + ToUtf8(*got) + "\", expected \"" +
                                           ToUtf8(a[2]) + "\"");
                break;
            }
            case FormStep::Kind::Snapshot: {
                RgbaImage image;
                if (api_.formRenderRgba(form, nullptr, 0, &image.width, &image.height) < 0 || image.width <= 0 ||
                    image.height <= 0) {
                    Failure(step.line, "cannot render the form");
                    break;
                }
                image.rgba.resize(static_cast<std::size_t>(image.width) * image.height * 4);
                if (api_.formRenderRgba(form, image.rgba.data(), image.rgba.size(), &image.width, &image.height) < 0) {
                    Failure(step.line, "cannot render the form");
                    break;
                }
                try {
                    WritePng(a[0], image, step.line);
                } catch (const ScriptError& e) {
                    Failure(step.line, e.what());
                }
                break;
            }
            case FormStep::Kind::Ok: return IXH_MODAL_OK;
            case FormStep::Kind::Cancel: return IXH_MODAL_CANCEL;
            }
        }
        return result;
    }

    static int ModalDriver(void* context, ixh_form form)
    {
        auto* self = static_cast<HeadlessStage*>(context);
        DialogAnswers& answers = *self->answers_;
        if (answers.forms.empty()) {
            answers.notes.push_back("a form was shown with no answer queued: cancelled");
            return IXH_MODAL_CANCEL;
        }
        FormAnswer answer = std::move(answers.forms.front());
        answers.forms.pop_front();
        try {
            return self->RunForm(form, answer);
        } catch (...) {
            answers.failures.push_back("the form answer could not be played");
            return IXH_MODAL_CANCEL;
        }
    }

    static int MessageBoxDriver(void* context, const char* text, const char* caption, int, int buttons)
    {
        DialogAnswers& answers = *static_cast<HeadlessStage*>(context)->answers_;
        try {
            answers.messageTexts.push_back(text ? text : "");
            answers.notes.push_back("message box \"" + ToUtf8(caption ? caption : "") + "\": " + ToUtf8(text ? text : ""));
        } catch (...) {
        }
        int first = buttons >= 2 ? IXH_MB_YES : IXH_MB_OK;
        if (answers.messageBoxes.empty()) return first;
        ChoiceAnswer a = answers.messageBoxes.front();
        answers.messageBoxes.pop_front();
        if (SameName(a.value, "cancel")) return IXH_MB_CANCEL;
        if (SameName(a.value, "yes")) return IXH_MB_YES;
        if (SameName(a.value, "no")) return IXH_MB_NO;
        return IXH_MB_OK;
    }

    static int ColorDriver(void* context, uint32_t, uint32_t* chosen)
    {
        DialogAnswers& answers = *static_cast<HeadlessStage*>(context)->answers_;
        if (answers.colors.empty()) {
            answers.notes.push_back("a colour dialog was shown with no answer queued: cancelled");
            return 0;
        }
        ChoiceAnswer a = answers.colors.front();
        answers.colors.pop_front();
        if (a.cancel || !chosen) return 0;
        try {
            std::array<std::uint8_t, 4> c = ReadColor(a.value, a.line);
            *chosen = c[0] + 256u * c[1] + 65536u * c[2];
            return 1;
        } catch (...) {
            return 0;
        }
    }

    static int FileDriver(void* context, const ixh_file_request* request, char* fileName, size_t fileNameSize,
                          int* filterIndex)
    {
        DialogAnswers& answers = *static_cast<HeadlessStage*>(context)->answers_;
        if (answers.files.empty()) {
            answers.notes.push_back("a file dialog was shown with no answer queued: cancelled");
            return 0;
        }
        ChoiceAnswer a = answers.files.front();
        answers.files.pop_front();
        if (a.cancel || !fileName) return 0;
        if (a.value.size() + 1 > fileNameSize) {
            answers.failures.push_back("the file name answered is too long for the dialog");
            return 0;
        }
        std::memcpy(fileName, a.value.c_str(), a.value.size() + 1);
        if (filterIndex) *filterIndex = a.filterIndex > 0 ? a.filterIndex : (request ? request->filter_index : 1);
        return 1;
    }

    Api api_;
    ixh_window page_ = 0;
    DialogAnswers* answers_ = nullptr;
};

} // namespace

std::unique_ptr<Stage> CreateStage(const DynamicLibrary& plugin) { return std::make_unique<HeadlessStage>(plugin); }
#else
// Built before the headless window system's header existed: no windows to play on.
std::unique_ptr<Stage> CreateStage(const DynamicLibrary&)
{
    throw ScriptError(0, "this ixhost was built without the headless window system");
}
#endif

} // namespace ix::host
