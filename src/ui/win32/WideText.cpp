#include "ui/win32/WideText.h"

#include "gfx/Cp1251.h"

namespace ix::ui::win32 {

// wchar_t is the 16-bit UTF-16 unit on Windows.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring WideFromCp1251(std::string_view text)
{
    const std::u16string u = gfx::Cp1251ToUtf16(text);
    return std::wstring(u.begin(), u.end());
}

std::string Cp1251FromWide(std::wstring_view text)
{
    const std::u16string u(text.begin(), text.end());
    return gfx::Utf16ToCp1251(u);
}

std::wstring FilterList(std::string_view filter)
{
    std::wstring out = WideFromCp1251(filter);
    for (wchar_t& c : out)
        if (c == L'|') c = L'\0';
    out.push_back(L'\0');
    out.push_back(L'\0');
    return out;
}

} // namespace ix::ui::win32
