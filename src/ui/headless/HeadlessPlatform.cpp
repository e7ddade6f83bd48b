#include "ui/headless/HeadlessPlatform.h"

#include "ui/Form.h"
#include "ui/Render.h"
#include "gfx/Cp1251.h"

#include <fstream>
#include <new>

namespace ix::ui::headless {
namespace {

class HeadlessWindow : public NativeWindow {
public:
    HeadlessWindow(WindowSystem& ws, WindowClient& client, const gfx::Rect& bounds)
        : ws_(ws), handle_(ws.Create(0, bounds, &client))
    {
    }
    ~HeadlessWindow() override
    {
        ws_.DetachClient(handle_);
        ws_.Destroy(handle_);
    }
    WindowHandle Handle() const override { return handle_; }
    bool SetParent(WindowHandle parent) override { return ws_.SetParent(handle_, parent); }
    WindowHandle Parent() const override { return ws_.Parent(handle_); }
    std::optional<gfx::Rect> ParentClientRect() const override
    {
        const WindowHandle p = ws_.Parent(handle_);
        return p ? ws_.ClientRect(p) : std::nullopt;
    }
    void SetBounds(const gfx::Rect& bounds) override { ws_.SetBounds(handle_, bounds, false); }
    void SetVisible(bool visible) override { ws_.SetVisible(handle_, visible); }
    void SetEnabled(bool enabled) override { ws_.SetEnabled(handle_, enabled); }
    void SetCaption(const std::string& caption) override { ws_.SetCaption(handle_, caption); }
    void BringToTop() override { ws_.BringToTop(handle_); }
    void Invalidate() override { ws_.Invalidate(handle_); }

private:
    WindowSystem& ws_;
    WindowHandle handle_;
};

MessageBoxAnswer FirstButton(MessageBoxButtons b)
{
    return b == MessageBoxButtons::YesNo || b == MessageBoxButtons::YesNoCancel ? MessageBoxAnswer::Yes
                                                                                 : MessageBoxAnswer::Ok;
}

// A static (.cur: reserved 0, type 2, at least one image) or animated (RIFF ... ACON)
// cursor file.
bool LooksLikeCursorFile(const std::string& utf8Path)
{
    std::ifstream in(utf8Path, std::ios::binary);
    unsigned char h[12] = {};
    if (!in.read(reinterpret_cast<char*>(h), sizeof h)) return false;
    const bool cur = h[0] == 0 && h[1] == 0 && h[2] == 2 && h[3] == 0 && (h[4] | h[5]) != 0;
    const bool ani = h[0] == 'R' && h[1] == 'I' && h[2] == 'F' && h[3] == 'F' && h[8] == 'A' && h[9] == 'C' &&
                     h[10] == 'O' && h[11] == 'N';
    return cur || ani;
}

} // namespace

std::unique_ptr<NativeWindow> HeadlessPlatform::CreateNativeWindow(WindowClient& client, const gfx::Rect& bounds)
{
    return std::make_unique<HeadlessWindow>(windows_, client, bounds);
}

ModalResult HeadlessPlatform::RunModal(Form& form)
{
    if (!modalDriver_) return ModalResult::Cancel;
    modalForms_.push_back(&form);
    ModalResult r = ModalResult::Cancel;
    try {
        // A copy: the driver may replace itself while it runs.
        const ModalDriver driver = modalDriver_;
        r = driver(form);
        if (r == ModalResult::None) r = form.Result();
    } catch (...) {
        r = ModalResult::Cancel;
    }
    modalForms_.pop_back();
    return r == ModalResult::None ? ModalResult::Cancel : r;
}

MessageBoxAnswer HeadlessPlatform::ShowMessageBox(const MessageBoxRequest& request)
{
    messages_.push_back(request);
    if (messages_.size() > kMessageLog) messages_.pop_front();
    if (!messageBoxDriver_) return FirstButton(request.buttons);
    try {
        const MessageBoxDriver driver = messageBoxDriver_;
        return driver(request);
    } catch (...) {
        return FirstButton(request.buttons);
    }
}

std::optional<gfx::Color> HeadlessPlatform::ChooseColor(const ColorDialogRequest& request)
{
    if (!colorDriver_) return std::nullopt;
    try {
        const ColorDriver driver = colorDriver_;
        return driver(request);
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<FileDialogResult> HeadlessPlatform::ChooseFile(const FileDialogRequest& request)
{
    if (!fileDriver_) return std::nullopt;
    try {
        const FileDriver driver = fileDriver_;
        return driver(request);
    } catch (...) {
        return std::nullopt;
    }
}

bool HeadlessPlatform::PaintToDevice(std::uintptr_t deviceContext, Form& form, gfx::Point at)
{
    gfx::Surface* s = windows_.DeviceSurface(deviceContext);
    if (!s) return false;
    RenderTree(form, *s, at, s->Bounds(), text_);
    return true;
}

bool HeadlessPlatform::LoadCursorFile(int slot, const std::string& fileName)
{
    cursorSlots_.erase(slot);
    if (slot <= 0) return false;
    const std::string path = gfx::Cp1251ToUtf8(fileName);
    if (path.empty() || !LooksLikeCursorFile(path)) return false;
    cursorSlots_[slot] = path;
    return true;
}

void HeadlessPlatform::OpenUrl(const std::string& url)
{
    urls_.push_back(url);
    if (urls_.size() > kMessageLog) urls_.pop_front();
}

void HeadlessPlatform::Reset()
{
    modalDriver_ = nullptr;
    messageBoxDriver_ = nullptr;
    colorDriver_ = nullptr;
    fileDriver_ = nullptr;
    windows_.Reset();
    clipboard_.Reset();
    messages_.clear();
    urls_.clear();
    cursorSlots_.clear();
    cursor_ = 0;
}

HeadlessPlatform& TheHeadlessPlatform()
{
    // The window system of the process must outlive every form, also the canvases that
    // process-wide records destroy at exit, so it is built in static storage and never
    // destroyed (the usual "no destructor" idiom; the memory goes with the process).
    alignas(HeadlessPlatform) static unsigned char storage[sizeof(HeadlessPlatform)];
    static HeadlessPlatform* const platform = ::new (static_cast<void*>(storage)) HeadlessPlatform();
    return *platform;
}

} // namespace ix::ui::headless

namespace ix::ui {

Platform& ThePlatform()
{
    return headless::TheHeadlessPlatform();
}

} // namespace ix::ui
