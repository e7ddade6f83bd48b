// Host strings as the host hands them to the plug-in: zero-terminated Windows-1251 text in
// a block of the allocator the two share (malloc on Linux, GlobalAlloc(GMEM_FIXED) on
// Windows), or null for none. The plug-in may free such a block and store a new one in its
// place (an editor replacing a parameter, an InterfaceAccess answer), so the host only
// ever puts blocks of that allocator into the variables it passes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ix::host {

// The shared allocator (one implementation per target). Never throws.
char* AllocateHostBlock(std::size_t size) noexcept;
void FreeHostBlock(char* block) noexcept;

// Frees what `variable` holds and stores a fresh block with `text`; false (and `variable`
// untouched) when no block can be had.
bool ReplaceHostString(char*& variable, std::string_view text) noexcept;
void ReleaseHostString(char*& variable) noexcept;
// The text of a host string; null reads as empty text.
std::string HostStringText(const char* variable);

// A run of host-string variables passed as one parameter array; each element is owned by
// the array (whatever block the plug-in left in it is freed at destruction).
class HostStringArray {
public:
    explicit HostStringArray(const std::vector<std::string>& texts);
    ~HostStringArray();
    HostStringArray(const HostStringArray&) = delete;
    HostStringArray& operator=(const HostStringArray&) = delete;

    // Null for an empty array, so that the plug-in never gets a dangling pointer.
    char** data() { return blocks_.empty() ? nullptr : blocks_.data(); }
    std::size_t size() const { return blocks_.size(); }
    std::vector<std::string> Texts() const;

private:
    std::vector<char*> blocks_;
};

// One host-string variable for one call (an InterfaceAccess text, an init string).
class HostStringVariable {
public:
    explicit HostStringVariable(std::string_view text = {});
    ~HostStringVariable() { ReleaseHostString(block_); }
    HostStringVariable(const HostStringVariable&) = delete;
    HostStringVariable& operator=(const HostStringVariable&) = delete;

    char** address() { return &block_; }
    std::string text() const { return HostStringText(block_); }

private:
    char* block_ = nullptr;
};

} // namespace ix::host
