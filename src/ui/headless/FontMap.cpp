#include "ui/headless/FontMap.h"

#include "ui/Types.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace ix::ui::headless {
namespace {

enum class Family { Sans, Serif, Mono, Script };

std::string Lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool ContainsAny(const std::string& s, std::initializer_list<const char*> words)
{
    return std::any_of(words.begin(), words.end(), [&](const char* w) { return s.find(w) != std::string::npos; });
}

Family FamilyOf(std::string_view name)
{
    const std::string n = Lower(name);
    if (ContainsAny(n, {"script", "corsiva", "comic", "brush", "hand", "kunstler", "vivaldi", "chancery", "mistral"}))
        return Family::Script;
    if (ContainsAny(n, {"courier", "mono", "consolas", "console", "fixedsys", "terminal"})) return Family::Mono;
    if (n.find("sans") == std::string::npos &&
        ContainsAny(n, {"times", "serif", "georgia", "garamond", "book antiqua", "palatino", "cambria", "roman"}))
        return Family::Serif;
    return Family::Sans;
}

} // namespace

std::string FontFileFor(std::string_view name, unsigned style)
{
    bool bold = (style & FontBold) != 0;
    bool italic = (style & FontItalic) != 0;
    std::string base;
    switch (FamilyOf(name)) {
    case Family::Sans: base = "DejaVuSans"; break;
    case Family::Serif: base = "DejaVuSerif"; break;
    case Family::Mono: base = "DejaVuSansMono"; break;
    case Family::Script: base = "DejaVuSerif"; italic = true; break;
    }
    const bool serif = base == "DejaVuSerif";
    std::string suffix;
    if (bold && italic) suffix = serif ? "-BoldItalic" : "-BoldOblique";
    else if (bold) suffix = "-Bold";
    else if (italic) suffix = serif ? "-Italic" : "-Oblique";
    return base + suffix + ".ttf";
}

std::string FontFolder()
{
    return "/usr/share/fonts/truetype/dejavu";
}

} // namespace ix::ui::headless
