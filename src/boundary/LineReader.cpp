#include "boundary/LineReader.h"

namespace ix::boundary {
namespace {

constexpr std::size_t kBufferSize = 16 * 1024;

std::FILE* OpenForReading(const std::filesystem::path& path) {
#ifdef _WIN32
  return _wfopen(path.c_str(), L"rb");
#else
  return std::fopen(path.c_str(), "rb");
#endif
}

}  // namespace

LineReader::LineReader(const std::filesystem::path& path)
    : file_(OpenForReading(path)), buffer_(std::make_unique<char[]>(kBufferSize)) {}

bool LineReader::Fill() {
  if (!file_ || failed_) return false;
  length_ = std::fread(buffer_.get(), 1, kBufferSize, file_.get());
  position_ = 0;
  if (length_ == 0) {
    failed_ = std::ferror(file_.get()) != 0;
    return false;
  }
  return true;
}

bool LineReader::Next(std::string& line, std::size_t keep) {
  line.clear();
  bool sawCharacter = false;
  for (;;) {
    if (position_ == length_ && !Fill()) return sawCharacter && !failed_;
    const char c = buffer_[position_++];
    if (skipLineFeed_) {
      skipLineFeed_ = false;
      if (c == '\n') continue;
    }
    if (c == '\r') {
      skipLineFeed_ = true;
      return true;
    }
    if (c == '\n') return true;
    sawCharacter = true;
    if (line.size() < keep) line += c;
  }
}

}  // namespace ix::boundary
