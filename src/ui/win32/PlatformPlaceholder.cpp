// The Windows platform until the native backend (real windows, GDI text, the system
// dialogs and clipboard) lands in this folder and replaces this file.
//
// It keeps the plug-in safe rather than useful: forms get no window (their handle is 0 and
// parenting fails), a modal form returns Cancel, a message box OK, dialogs are cancelled,
// the clipboard cannot be opened, and text measures but draws nothing.
#include "ui/Clipboard.h"
#include "ui/Platform.h"
#include "ui/text/TextRenderer.h"

#include <new>

namespace ix::ui {
namespace {

class NoWindow : public NativeWindow {
public:
    WindowHandle Handle() const override { return 0; }
    bool SetParent(WindowHandle) override { return false; }
    WindowHandle Parent() const override { return 0; }
    std::optional<gfx::Rect> ParentClientRect() const override { return std::nullopt; }
    void SetBounds(const gfx::Rect&) override {}
    void SetVisible(bool) override {}
    void SetEnabled(bool) override {}
    void SetCaption(const std::string&) override {}
    void BringToTop() override {}
    void Invalidate() override {}
};

class ClosedClipboard : public Clipboard {
public:
    bool Open() override { return false; }
    void Close() override {}
    bool Empty() override { return false; }
    bool Has(unsigned) override { return false; }
    std::optional<std::vector<std::uint8_t>> Get(unsigned) override { return std::nullopt; }
    bool Set(unsigned, std::vector<std::uint8_t>) override { return false; }
    std::vector<unsigned> Formats() override { return {}; }
    unsigned RegisterFormat(const std::string&) override { return 0; }
};

class SilentText : public TextRenderer {
public:
    TextMetrics Measure(const Font& font, std::string_view text) override
    {
        const int h = font.height > 0 ? font.height : 11;
        return {static_cast<int>(text.size()) * h * 3 / 5, h + h / 5, h};
    }
    void Draw(gfx::Surface&, const gfx::Rect&, gfx::Point, const Font&, std::string_view) override {}
};

class PlaceholderPlatform : public Platform {
public:
    std::unique_ptr<NativeWindow> CreateNativeWindow(WindowClient&, const gfx::Rect&) override
    {
        return std::make_unique<NoWindow>();
    }
    ModalResult RunModal(Form&) override { return ModalResult::Cancel; }
    MessageBoxAnswer ShowMessageBox(const MessageBoxRequest&) override { return MessageBoxAnswer::Ok; }
    std::optional<gfx::Color> ChooseColor(const ColorDialogRequest&) override { return std::nullopt; }
    std::optional<FileDialogResult> ChooseFile(const FileDialogRequest&) override { return std::nullopt; }
    Clipboard& SystemClipboard() override { return clipboard_; }
    TextRenderer& Text() override { return text_; }
    bool PaintToDevice(std::uintptr_t, Form&, gfx::Point) override { return false; }
    gfx::Size ScreenSize() const override { return {1024, 768}; }
    void SetCurrentCursor(int id) override { cursor_ = id; }
    int CurrentCursor() const override { return cursor_; }
    bool LoadCursorFile(int, const std::string&) override { return false; }
    bool CursorSlotLoaded(int) const override { return false; }
    void OpenUrl(const std::string&) override {}

private:
    ClosedClipboard clipboard_;
    SilentText text_;
    int cursor_ = 0;
};

} // namespace

Platform& ThePlatform()
{
    // Never destroyed, like the headless one: forms may die at exit after it.
    alignas(PlaceholderPlatform) static unsigned char storage[sizeof(PlaceholderPlatform)];
    static Platform* const platform = ::new (static_cast<void*>(storage)) PlaceholderPlatform();
    return *platform;
}

} // namespace ix::ui
