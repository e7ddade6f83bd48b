#include "host/Variables.h"

#include "host/ScriptError.h"

namespace ix::host {

bool Variables::Set(std::string_view name, std::string_view value)
{
    auto it = values_.find(name);
    if (value.size() > kMaxValue || (it == values_.end() && values_.size() >= kMaxCount)) {
        ++dropped_;
        return false;
    }
    if (it == values_.end()) it = values_.emplace(std::string(name), Entry{}).first;
    it->second.value = value;
    ++it->second.sets;
    return true;
}

std::optional<std::string> Variables::Get(std::string_view name) const
{
    auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second.value;
}

int Variables::SetCount(std::string_view name) const
{
    auto it = values_.find(name);
    return it == values_.end() ? 0 : it->second.sets;
}

std::string Variables::Expand(std::string_view text, int line) const
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c != '$' || i + 1 >= text.size()) {
            out += c;
            ++i;
            continue;
        }
        if (text[i + 1] == '$') {
            out += '$';
            i += 2;
            continue;
        }
        if (text[i + 1] != '{') {
            out += c;
            ++i;
            continue;
        }
        std::size_t close = text.find('}', i + 2);
        if (close == std::string_view::npos) throw ScriptError(line, "`${` without `}`");
        std::string_view name = text.substr(i + 2, close - i - 2);
        std::optional<std::string> value = Get(name);
        if (!value) throw ScriptError(line, "variable " + ToUtf8(name) + " is not set");
        out += *value;
        i = close + 1;
    }
    return out;
}

} // namespace ix::host
