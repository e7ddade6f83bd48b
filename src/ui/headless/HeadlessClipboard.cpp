#include "ui/headless/HeadlessClipboard.h"

#include <algorithm>
#include <array>

namespace ix::ui::headless {
namespace {

struct Standard {
    unsigned id;
    const char* name;
};
constexpr std::array kStandard{Standard{1, "CF_TEXT"}, Standard{2, "CF_BITMAP"}, Standard{8, "CF_DIB"},
                               Standard{14, "CF_ENHMETAFILE"}, Standard{17, "CF_DIBV5"}};

} // namespace

bool HeadlessClipboard::Open()
{
    if (!available_ || open_) return false;
    open_ = true;
    return true;
}

void HeadlessClipboard::Close()
{
    open_ = false;
}

bool HeadlessClipboard::Empty()
{
    if (!open_) return false;
    data_.clear();
    return true;
}

bool HeadlessClipboard::Has(unsigned format)
{
    return open_ && Peek(format) != nullptr;
}

std::optional<std::vector<std::uint8_t>> HeadlessClipboard::Get(unsigned format)
{
    if (!open_) return std::nullopt;
    const auto* d = Peek(format);
    if (!d) return std::nullopt;
    return *d;
}

bool HeadlessClipboard::Set(unsigned format, std::vector<std::uint8_t> data)
{
    if (!open_ || format == 0) return false;
    Put(format, std::move(data));
    return true;
}

std::vector<unsigned> HeadlessClipboard::Formats()
{
    if (!open_) return {};
    return StoredFormats();
}

unsigned HeadlessClipboard::RegisterFormat(const std::string& name)
{
    if (name.empty()) return 0;
    if (unsigned id = FormatOf(name)) return id;
    if (nextFormat_ > 0xFFFF) return 0;
    registered_[name] = nextFormat_;
    return nextFormat_++;
}

unsigned HeadlessClipboard::FormatOf(const std::string& name) const
{
    for (const Standard& s : kStandard)
        if (name == s.name) return s.id;
    auto it = registered_.find(name);
    return it == registered_.end() ? 0 : it->second;
}

std::string HeadlessClipboard::NameOf(unsigned format) const
{
    for (const Standard& s : kStandard)
        if (format == s.id) return s.name;
    for (const auto& [name, id] : registered_)
        if (id == format) return name;
    return "#" + std::to_string(format);
}

std::vector<unsigned> HeadlessClipboard::StoredFormats() const
{
    std::vector<unsigned> out;
    for (const auto& [f, d] : data_) out.push_back(f);
    return out;
}

const std::vector<std::uint8_t>* HeadlessClipboard::Peek(unsigned format) const
{
    for (const auto& [f, d] : data_)
        if (f == format) return &d;
    return nullptr;
}

void HeadlessClipboard::Put(unsigned format, std::vector<std::uint8_t> data)
{
    for (auto& [f, d] : data_)
        if (f == format) {
            d = std::move(data);
            return;
        }
    data_.emplace_back(format, std::move(data));
}

void HeadlessClipboard::Reset()
{
    available_ = true;
    open_ = false;
    data_.clear();
}

} // namespace ix::ui::headless
