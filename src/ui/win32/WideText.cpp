#include "ui/win32/WideText.h"

#include "ui/text/Cp1251.h"

namespace ix::ui::win32 {

std::wstring WideFromCp1251(std::string_view text)
{
    std::wstring out;
    out.reserve(text.size());
    for (const char c : text) out.push_back(static_cast<wchar_t>(Cp1251ToCodePoint(static_cast<unsigned char>(c))));
    return out;
}

std::string Cp1251FromWide(std::wstring_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const wchar_t w : text) {
        const auto unit = static_cast<char32_t>(static_cast<unsigned short>(w));
        out.push_back(unit >= 0xD800 && unit <= 0xDFFF ? '?' : CodePointToCp1251(unit));
    }
    return out;
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
