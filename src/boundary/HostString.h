#pragma once
// Host strings: zero-terminated Windows-1251 text in a block of the allocator the host and
// the plug-in share (GlobalAlloc(GMEM_FIXED)/GlobalFree on Windows, malloc/free on Linux),
// or null for none. The host owns the blocks it hands over; the plug-in replaces them only
// through SetHostString and releases its own with FreeHostString.
//
// Limits: text after an embedded NUL byte is stored but invisible to the reader.

#include <string>
#include <string_view>

namespace ix::boundary {

// Stores a fresh block holding `text` in `variable` and frees what it held before. When no
// block can be had, `variable` keeps its old value and the result is false.
bool SetHostString(char*& variable, std::string_view text);
// Frees a non-null `variable` and sets it to null.
void FreeHostString(char*& variable);
// The text of a host string; null reads as empty text.
std::string HostStringText(const char* variable);

// A host string owned by the plug-in for the length of one call (for example the text
// variable of an InterfaceAccess request); freed on destruction, whatever it holds then.
class ScopedHostString {
 public:
  explicit ScopedHostString(std::string_view text);
  ~ScopedHostString();
  ScopedHostString(const ScopedHostString&) = delete;
  ScopedHostString& operator=(const ScopedHostString&) = delete;

  char*& variable() { return block_; }
  std::string text() const { return HostStringText(block_); }

 private:
  char* block_ = nullptr;
};

}  // namespace ix::boundary
