#include "host/win32/DialogDriver.h"

#include "gfx/Cp1251.h"
#include "host/PngFile.h"
#include "host/ScriptError.h"
#include "host/Text.h"
#include "host/Words.h"

#include <string>
#include <vector>

namespace ix::host {
namespace {

constexpr UINT kTickMs = 40;
constexpr int kTicksBeforeClose = 50; // two seconds
// Controls of the common dialogs, as the system numbers them.
constexpr int kColorRed = 706, kColorGreen = 707, kColorBlue = 708;
constexpr int kFileNameCombo = 1148, kFileNameEdit = 1152, kFileTypeCombo = 1136;
constexpr int kMessageText = 0xFFFF;

DialogDriver* running = nullptr;

std::wstring Wide(const std::string& cp1251)
{
    std::u16string u = gfx::Cp1251ToUtf16(cp1251);
    return std::wstring(u.begin(), u.end());
}

std::string Narrow(const std::wstring& w) { return gfx::Utf16ToCp1251(std::u16string(w.begin(), w.end())); }

std::wstring WindowText(HWND w)
{
    int n = GetWindowTextLengthW(w);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    n = GetWindowTextW(w, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return text;
}

std::wstring ClassName(HWND w)
{
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}

void Click(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

struct NameSearch {
    std::wstring name;
    HWND found = nullptr;
};

BOOL CALLBACK MatchName(HWND w, LPARAM context)
{
    auto* search = reinterpret_cast<NameSearch*>(context);
    auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(w, L"ixName")));
    if (atom == 0) return TRUE;
    wchar_t name[256] = {};
    if (GlobalGetAtomNameW(atom, name, 256) > 0 && search->name == name) {
        search->found = w;
        return FALSE;
    }
    return TRUE;
}

HWND FindControl(HWND form, const std::string& name)
{
    NameSearch search{Wide(name)};
    EnumChildWindows(form, &MatchName, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct TextSearch {
    std::vector<std::wstring> texts;
    HWND found = nullptr;
};

BOOL CALLBACK MatchButtonText(HWND w, LPARAM context)
{
    auto* search = reinterpret_cast<TextSearch*>(context);
    if (ClassName(w) != L"Button") return TRUE;
    std::wstring text = WindowText(w);
    for (const std::wstring& t : search->texts) {
        if (text == t) {
            search->found = w;
            return FALSE;
        }
    }
    return TRUE;
}

HWND FindButton(HWND form, std::vector<std::wstring> texts)
{
    TextSearch search{std::move(texts)};
    EnumChildWindows(form, &MatchButtonText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct TopSearch {
    HWND page;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND w, LPARAM context)
{
    auto* search = reinterpret_cast<TopSearch*>(context);
    if (w != search->page && IsWindowVisible(w) && IsWindowEnabled(w)) search->found.push_back(w);
    return TRUE;
}

} // namespace

DialogDriver::DialogDriver(DialogAnswers& answers, HWND page) : answers_(answers), page_(page)
{
    running = this;
    timer_ = SetTimer(nullptr, 0, kTickMs, &DialogDriver::Tick);
}

DialogDriver::~DialogDriver()
{
    if (timer_) KillTimer(nullptr, timer_);
    running = nullptr;
}

void CALLBACK DialogDriver::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (running && !running->busy_) running->Look();
}

void DialogDriver::Look()
{
    busy_ = true;
    TopSearch search{page_, {}};
    EnumThreadWindows(GetCurrentThreadId(), &CollectTop, reinterpret_cast<LPARAM>(&search));
    for (HWND w : search.found) {
        auto it = answered_.find(w);
        if (it == answered_.end()) {
            answered_[w] = 0;
            Answer(w);
        } else if (++it->second == kTicksBeforeClose) {
            answers_.failures.push_back("a window stayed open after its answer; closed");
            PostMessageW(w, WM_CLOSE, 0, 0);
        }
    }
    for (auto it = answered_.begin(); it != answered_.end();) it = IsWindow(it->first) ? std::next(it) : answered_.erase(it);
    busy_ = false;
}

void DialogDriver::Answer(HWND w)
{
    try {
        if (ClassName(w) == L"#32770") {
            if (GetDlgItem(w, kColorRed)) AnswerColorDialog(w);
            else if (GetDlgItem(w, kFileNameCombo) || GetDlgItem(w, kFileNameEdit)) AnswerFileDialog(w);
            else AnswerMessageBox(w);
        } else {
            AnswerForm(w);
        }
    } catch (...) {
        answers_.failures.push_back("a window could not be answered; closed");
        PostMessageW(w, WM_CLOSE, 0, 0);
    }
}

void DialogDriver::AnswerMessageBox(HWND box)
{
    wchar_t text[4096] = {};
    GetDlgItemTextW(box, kMessageText, text, 4096);
    answers_.messageTexts.push_back(Narrow(text));
    answers_.notes.push_back("message box: " + ToUtf8(Narrow(text)));
    int id = GetDlgItem(box, IDOK) ? IDOK : IDYES;
    if (!answers_.messageBoxes.empty()) {
        const std::string& v = answers_.messageBoxes.front().value;
        id = SameName(v, "cancel") ? IDCANCEL : SameName(v, "yes") ? IDYES : SameName(v, "no") ? IDNO : IDOK;
        answers_.messageBoxes.pop_front();
    }
    Click(box, id);
}

void DialogDriver::AnswerColorDialog(HWND dialog)
{
    if (answers_.colors.empty()) {
        answers_.notes.push_back("a colour dialog was shown with no answer queued: cancelled");
        Click(dialog, IDCANCEL);
        return;
    }
    ChoiceAnswer a = answers_.colors.front();
    answers_.colors.pop_front();
    if (a.cancel) {
        Click(dialog, IDCANCEL);
        return;
    }
    std::array<std::uint8_t, 4> c = ReadColor(a.value, a.line);
    SetDlgItemInt(dialog, kColorRed, c[0], FALSE);
    SetDlgItemInt(dialog, kColorGreen, c[1], FALSE);
    SetDlgItemInt(dialog, kColorBlue, c[2], FALSE);
    Click(dialog, IDOK);
}

void DialogDriver::AnswerFileDialog(HWND dialog)
{
    if (answers_.files.empty()) {
        answers_.notes.push_back("a file dialog was shown with no answer queued: cancelled");
        Click(dialog, IDCANCEL);
        return;
    }
    ChoiceAnswer a = answers_.files.front();
    answers_.files.pop_front();
    if (a.cancel) {
        Click(dialog, IDCANCEL);
        return;
    }
    if (a.filterIndex > 0) {
        if (HWND types = GetDlgItem(dialog, kFileTypeCombo)) {
            SendMessageW(types, CB_SETCURSEL, static_cast<WPARAM>(a.filterIndex - 1), 0);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kFileTypeCombo, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
        }
    }
    HWND name = GetDlgItem(dialog, kFileNameCombo);
    if (!name) name = GetDlgItem(dialog, kFileNameEdit);
    SetWindowTextW(name, Wide(a.value).c_str());
    Click(dialog, IDOK);
}

void DialogDriver::AnswerForm(HWND form)
{
    if (answers_.forms.empty()) {
        answers_.notes.push_back("a form was shown with no answer queued: cancelled");
        PostMessageW(form, WM_CLOSE, 0, 0);
        return;
    }
    FormAnswer answer = std::move(answers_.forms.front());
    answers_.forms.pop_front();
    auto fail = [&](int line, const std::string& text) {
        answers_.failures.push_back("line " + std::to_string(line) + ": " + text);
    };
    auto control = [&](const FormStep& step) {
        HWND c = FindControl(form, step.args[0]);
        if (!c) fail(step.line, "the form has no control " + ToUtf8(step.args[0]));
        return c;
    };
    bool closed = false, pressed = false;
    for (const FormStep& step : answer.steps) {
        const std::vector<std::string>& a = step.args;
        switch (step.kind) {
        case FormStep::Kind::Type:
        case FormStep::Kind::Set: {
            HWND c = control(step);
            // A spin edit's value is the text of its edit.
            bool isText = step.kind == FormStep::Kind::Type || SameName(a[1], "text") || SameName(a[1], "value");
            if (c && isText) SetWindowTextW(c, Wide(step.kind == FormStep::Kind::Type ? a[1] : a[2]).c_str());
            else if (c && SameName(a[1], "itemindex")) {
                SendMessageW(c, CB_SETCURSEL, static_cast<WPARAM>(ReadInt(a[2], step.line, -1, 100000)), 0);
                SendMessageW(GetParent(c), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c), CBN_SELCHANGE), reinterpret_cast<LPARAM>(c));
            } else if (c) fail(step.line, "the property " + ToUtf8(a[1]) + " cannot be set on Windows");
            break;
        }
        case FormStep::Kind::Choose: {
            HWND c = control(step);
            if (!c) break;
            LRESULT i = SendMessageW(c, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(Wide(a[1]).c_str()));
            if (i == CB_ERR) {
                fail(step.line, ToUtf8(a[0]) + " offers no item " + ToUtf8(a[1]));
                break;
            }
            SendMessageW(c, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            SendMessageW(GetParent(c), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c), CBN_SELCHANGE), reinterpret_cast<LPARAM>(c));
            break;
        }
        case FormStep::Kind::Press:
            if (HWND c = control(step)) {
                SendMessageW(c, BM_CLICK, 0, 0);
                pressed = true;
            }
            break;
        case FormStep::Kind::Key:
            PostMessageW(form, WM_COMMAND, SameName(a[0], "enter") ? IDOK : IDCANCEL, 0);
            closed = true;
            break;
        case FormStep::Kind::Expect: {
            HWND c = control(step);
            if (!c) break;
            std::string got;
            if (SameName(a[1], "text") || SameName(a[1], "value")) got = Narrow(WindowText(c));
            else if (SameName(a[1], "itemindex")) got = std::to_string(SendMessageW(c, CB_GETCURSEL, 0, 0));
            else {
                fail(step.line, "the property " + ToUtf8(a[1]) + " cannot be read on Windows");
                break;
            }
            if (got != a[2])
                fail(step.line, ToUtf8(a[1]) + " of " + ToUtf8(a[0]) + " is \"" + ToUtf8(got) + "\", expected \"" + ToUtf8(a[2]) + "\"");
            break;
        }
        case FormStep::Kind::Snapshot: {
            RECT r;
            GetClientRect(form, &r);
            HDC screen = GetDC(form);
            HDC memory = CreateCompatibleDC(screen);
            BITMAPINFO info{};
            info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
            void* bits = nullptr;
            HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
            if (bitmap && bits && r.right > 0 && r.bottom > 0) {
                HGDIOBJ old = SelectObject(memory, bitmap);
                BitBlt(memory, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
                GdiFlush();
                RgbaImage image;
                image.width = r.right;
                image.height = r.bottom;
                image.rgba.resize(static_cast<std::size_t>(r.right) * r.bottom * 4);
                const auto* src = static_cast<const std::uint8_t*>(bits);
                for (std::size_t i = 0; i < image.rgba.size(); i += 4) {
                    image.rgba[i] = src[i + 2];
                    image.rgba[i + 1] = src[i + 1];
                    image.rgba[i + 2] = src[i];
                    image.rgba[i + 3] = 255;
                }
                SelectObject(memory, old);
                try {
                    WritePng(a[0], image, step.line);
                } catch (const ScriptError& e) {
                    fail(step.line, e.what());
                }
            } else {
                fail(step.line, "cannot capture the form");
            }
            if (bitmap) DeleteObject(bitmap);
            DeleteDC(memory);
            ReleaseDC(form, screen);
            break;
        }
        case FormStep::Kind::Ok:
            if (HWND b = FindButton(form, {L"OK", L"\x041E\x041A"})) PostMessageW(b, BM_CLICK, 0, 0);
            else PostMessageW(form, WM_COMMAND, IDOK, 0);
            closed = true;
            break;
        case FormStep::Kind::Cancel:
            if (HWND b = FindButton(form, {L"Cancel", L"\x041E\x0442\x043C\x0435\x043D\x0430"})) PostMessageW(b, BM_CLICK, 0, 0);
            else PostMessageW(form, WM_CLOSE, 0, 0);
            closed = true;
            break;
        }
        if (closed) break;
    }
    if (!closed && !pressed) PostMessageW(form, WM_CLOSE, 0, 0);
}

} // namespace ix::host
