#pragma once
// Reads a text file line by line with bounded memory, for files from outside that may be
// hostile: a carriage return, a line feed or the pair ends a line; a last line without a
// break still counts; NUL bytes are ordinary characters; only the first `keep` bytes of a
// line are kept and the rest is skipped, however long the line is.

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace ix::boundary {

class LineReader {
 public:
  explicit LineReader(const std::filesystem::path& path);

  bool isOpen() const { return file_ != nullptr; }
  // True once a read has failed (as opposed to reaching the end of the file).
  bool failed() const { return failed_; }
  // The next line without its break, cut to `keep` bytes; false at the end or on failure.
  bool Next(std::string& line, std::size_t keep);

 private:
  bool Fill();

  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, FileCloser> file_;
  std::unique_ptr<char[]> buffer_;
  std::size_t length_ = 0;
  std::size_t position_ = 0;
  bool skipLineFeed_ = false;
  bool failed_ = false;
};

}  // namespace ix::boundary
