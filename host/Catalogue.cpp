#include "host/Catalogue.h"

namespace ix::host {
namespace {

constexpr std::int32_t kMaxId = 10000;
constexpr std::int32_t kMaxParameters = 64;

} // namespace

void Catalogue::Add(std::int32_t id, const char* name, const char* hint, const std::uint8_t* types,
                    std::int32_t typesHigh, std::int32_t count)
{
    if (id == 0) {
        ++categories_;
        currentCategory_ = name ? name : "";
        return;
    }
    if (id < 0 || id > kMaxId || !name || count < 0 || count > kMaxParameters ||
        (count > 0 && (!types || typesHigh != count - 1))) {
        ++malformed_;
        return;
    }
    ActionRow row;
    row.id = id;
    row.name = name;
    row.hint = hint ? hint : "";
    row.types.assign(types, types + count);
    row.category = currentCategory_;
    if (byName_.count(row.name) != 0) {
        ++malformed_;
        return;
    }
    byName_.emplace(row.name, actions_.size());
    actions_.push_back(std::move(row));
}

const ActionRow* Catalogue::Find(std::string_view name) const
{
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : &actions_[it->second];
}

const ActionRow* Catalogue::FindId(std::int32_t id) const
{
    for (const ActionRow& row : actions_)
        if (row.id == id) return &row;
    return nullptr;
}

} // namespace ix::host
