// Catalogue: the action list as the plug-in registers it with the host, one row per
// AddActionProc call: category rows (id 0) and actions with their parameter types. The
// host finds actions by name (ignoring ASCII case) and learns how many parameters each
// takes from here; it has no list of its own.
//
// Limits: a row with an id outside 1..10000 or a parameter count outside 0..64, or whose
// type array does not match the count, is kept out of the lookup and counted as malformed.
#pragma once

#include "host/Text.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace ix::host {

struct ActionRow {
    std::int32_t id = 0;
    std::string name;  // Windows-1251
    std::string hint;  // Windows-1251
    std::vector<std::uint8_t> types;
    std::string category; // the caption of the category row registered before it
};

class Catalogue {
public:
    // One AddActionProc call. `types` holds typesHigh + 1 bytes when not null.
    void Add(std::int32_t id, const char* name, const char* hint, const std::uint8_t* types, std::int32_t typesHigh,
             std::int32_t count);

    const ActionRow* Find(std::string_view name) const;
    const ActionRow* FindId(std::int32_t id) const;
    const std::vector<ActionRow>& actions() const { return actions_; }
    int categoryCount() const { return categories_; }
    int malformedCount() const { return malformed_; }

private:
    std::vector<ActionRow> actions_;
    std::map<std::string, std::size_t, NameLess> byName_;
    std::string currentCategory_;
    int categories_ = 0;
    int malformed_ = 0;
};

} // namespace ix::host
