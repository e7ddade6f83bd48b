// Variables: the host's script variables. Authors set them with `set`, the plug-in with
// SetVarProc; parameters and other words refer to them as ${name}. Names are compared
// ignoring ASCII case; values are Windows-1251 text.
//
// Limits: at most 100000 variables of up to 16 MiB each; a SetVarProc beyond that is
// dropped (and counted), so a runaway plug-in cannot exhaust the host.
#pragma once

#include "host/Text.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace ix::host {

class Variables {
public:
    static constexpr std::size_t kMaxCount = 100000;
    static constexpr std::size_t kMaxValue = 16u << 20;

    // False when the value was dropped by the limits above.
    bool Set(std::string_view name, std::string_view value);
    std::optional<std::string> Get(std::string_view name) const;
    // How many times the variable was set (by either side) since the start.
    int SetCount(std::string_view name) const;
    int droppedCount() const { return dropped_; }

    // Replaces each ${name} by the variable's value and $$ by $. Throws ScriptError for an
    // unset variable or an unclosed ${.
    std::string Expand(std::string_view text, int line) const;

private:
    struct Entry {
        std::string value;
        int sets = 0;
    };
    std::map<std::string, Entry, NameLess> values_;
    int dropped_ = 0;
};

} // namespace ix::host
