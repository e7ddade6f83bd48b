#include "ui/win32/SystemDialogs.h"

#include "ui/win32/WideText.h"

#include <commdlg.h>

#include <algorithm>

#include <vector>

namespace ix::ui::win32 {
namespace {

constexpr DWORD kFileNameCapacity = 32768; // the longest path the wide API takes

UINT MessageBoxFlags(const MessageBoxRequest& r)
{
    UINT flags = 0;
    switch (r.kind) {
    case MessageBoxKind::Information: flags |= MB_ICONINFORMATION; break;
    case MessageBoxKind::Warning: flags |= MB_ICONWARNING; break;
    case MessageBoxKind::Error: flags |= MB_ICONERROR; break;
    case MessageBoxKind::Question: flags |= MB_ICONQUESTION; break;
    }
    switch (r.buttons) {
    case MessageBoxButtons::Ok: flags |= MB_OK; break;
    case MessageBoxButtons::OkCancel: flags |= MB_OKCANCEL; break;
    case MessageBoxButtons::YesNo: flags |= MB_YESNO; break;
    case MessageBoxButtons::YesNoCancel: flags |= MB_YESNOCANCEL; break;
    }
    return flags;
}

// What a box that could not be shown (or was closed some other way) answers: the
// cautious choice among its buttons.
MessageBoxAnswer CautiousAnswer(MessageBoxButtons b)
{
    switch (b) {
    case MessageBoxButtons::Ok: return MessageBoxAnswer::Ok;
    case MessageBoxButtons::YesNo: return MessageBoxAnswer::No;
    default: return MessageBoxAnswer::Cancel;
    }
}

bool FitsCp1251(const std::wstring& name)
{
    return WideFromCp1251(Cp1251FromWide(name)) == name;
}

// The chosen name in Windows-1251. A name with characters the code page cannot hold is
// replaced by its short (8.3) form, for a new file by the short form of its folder and
// its own short-enough name; when even that does not fit, there is no usable name.
std::optional<std::string> RepresentableName(const std::wstring& name, bool mustExist)
{
    if (FitsCp1251(name)) return Cp1251FromWide(name);
    std::vector<wchar_t> buffer(kFileNameCapacity);
    if (GetShortPathNameW(name.c_str(), buffer.data(), kFileNameCapacity) > 0 && FitsCp1251(buffer.data()))
        return Cp1251FromWide(buffer.data());
    if (mustExist) return std::nullopt;
    const std::size_t slash = name.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return std::nullopt;
    const std::wstring folder = name.substr(0, slash), file = name.substr(slash);
    if (!FitsCp1251(file)) return std::nullopt;
    const DWORD n = GetShortPathNameW(folder.c_str(), buffer.data(), kFileNameCapacity);
    if (n == 0 || n >= kFileNameCapacity || !FitsCp1251(buffer.data())) return std::nullopt;
    return Cp1251FromWide(std::wstring(buffer.data()) + file);
}

} // namespace

HWND ModalOwner()
{
    if (HWND active = GetActiveWindow()) return active;
    HWND foreground = GetForegroundWindow();
    if (foreground && GetWindowThreadProcessId(foreground, nullptr) == GetCurrentThreadId()) return foreground;
    return nullptr;
}

MessageBoxAnswer ShowSystemMessageBox(const MessageBoxRequest& request)
{
    const std::wstring text = WideFromCp1251(request.text);
    const std::wstring caption = WideFromCp1251(request.caption);
    switch (MessageBoxW(ModalOwner(), text.c_str(), caption.c_str(), MessageBoxFlags(request))) {
    case IDOK: return MessageBoxAnswer::Ok;
    case IDCANCEL: return request.buttons == MessageBoxButtons::YesNo ? MessageBoxAnswer::No : MessageBoxAnswer::Cancel;
    case IDYES: return MessageBoxAnswer::Yes;
    case IDNO: return MessageBoxAnswer::No;
    default: return CautiousAnswer(request.buttons);
    }
}

std::optional<gfx::Color> ShowColorDialog(const ColorDialogRequest& request)
{
    COLORREF custom[16];
    for (COLORREF& c : custom) c = RGB(255, 255, 255);
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = ModalOwner();
    cc.rgbResult = RGB(request.initial.R(), request.initial.G(), request.initial.B());
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT;
    if (!ChooseColorW(&cc)) return std::nullopt;
    return gfx::Color::FromRgb(GetRValue(cc.rgbResult), GetGValue(cc.rgbResult), GetBValue(cc.rgbResult));
}

std::optional<FileDialogResult> ShowFileDialog(const FileDialogRequest& request)
{
    std::vector<wchar_t> name(kFileNameCapacity, L'\0');
    const std::wstring initial = WideFromCp1251(request.fileName);
    std::copy_n(initial.begin(), std::min<std::size_t>(initial.size(), kFileNameCapacity - 1), name.begin());
    const std::wstring filter = request.filter.empty() ? std::wstring() : FilterList(request.filter);
    const std::wstring title = WideFromCp1251(request.title);
    const std::wstring dir = WideFromCp1251(request.initialDir);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = ModalOwner();
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex > 0 ? request.filterIndex : 1);
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = kFileNameCapacity;
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
    // The host's current folder is not ours to change.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (request.kind == FileDialogKind::Open) ofn.Flags |= OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    const BOOL ok = request.kind == FileDialogKind::Open ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (!ok) return std::nullopt;
    name.back() = L'\0';
    const auto chosen = RepresentableName(name.data(), request.kind == FileDialogKind::Open);
    if (!chosen) return std::nullopt;
    FileDialogResult result;
    result.fileName = *chosen;
    result.filterIndex = static_cast<int>(ofn.nFilterIndex);
    return result;
}

} // namespace ix::ui::win32
