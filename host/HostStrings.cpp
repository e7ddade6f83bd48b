#include "host/HostStrings.h"

#include <cstring>
#include <new>

namespace ix::host {

bool ReplaceHostString(char*& variable, std::string_view text) noexcept
{
    char* block = AllocateHostBlock(text.size() + 1);
    if (!block) return false;
    if (!text.empty()) std::memcpy(block, text.data(), text.size());
    block[text.size()] = '\0';
    FreeHostBlock(variable);
    variable = block;
    return true;
}

void ReleaseHostString(char*& variable) noexcept
{
    if (variable) FreeHostBlock(variable);
    variable = nullptr;
}

std::string HostStringText(const char* variable) { return variable ? std::string(variable) : std::string(); }

HostStringArray::HostStringArray(const std::vector<std::string>& texts) : blocks_(texts.size(), nullptr)
{
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!ReplaceHostString(blocks_[i], texts[i])) {
            for (char*& b : blocks_) ReleaseHostString(b);
            throw std::bad_alloc();
        }
    }
}

HostStringArray::~HostStringArray()
{
    for (char*& b : blocks_) ReleaseHostString(b);
}

std::vector<std::string> HostStringArray::Texts() const
{
    std::vector<std::string> out;
    out.reserve(blocks_.size());
    for (const char* b : blocks_) out.push_back(HostStringText(b));
    return out;
}

HostStringVariable::HostStringVariable(std::string_view text)
{
    if (!ReplaceHostString(block_, text)) throw std::bad_alloc();
}

} // namespace ix::host
