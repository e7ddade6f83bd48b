// HeadlessClipboard: an in-memory, process-wide clipboard of named formats.
//
// Standard formats keep the system's numbers and names ("CF_DIB" 8, "CF_ENHMETAFILE" 14,
// "CF_BITMAP" 2, "CF_TEXT" 1, "CF_DIBV5" 17); registered names get ids from 0xC000 up,
// stable for the process. A test can make the clipboard unavailable: Open then fails, as
// when another program holds it. Formats keep the order in which they were set.
#pragma once

#include "ui/Clipboard.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ix::ui::headless {

class HeadlessClipboard : public Clipboard {
public:
    bool Open() override;
    void Close() override;
    bool Empty() override;
    bool Has(unsigned format) override;
    std::optional<std::vector<std::uint8_t>> Get(unsigned format) override;
    bool Set(unsigned format, std::vector<std::uint8_t> data) override;
    std::vector<unsigned> Formats() override;
    unsigned RegisterFormat(const std::string& name) override;

    // Outside the open/close protocol, for the host and tests.
    void SetAvailable(bool v) { available_ = v; }
    bool Available() const { return available_; }
    bool IsOpen() const { return open_; }
    void Clear() { data_.clear(); }
    // The id of a standard or registered name, 0 when unknown (nothing is registered).
    unsigned FormatOf(const std::string& name) const;
    std::string NameOf(unsigned format) const;
    std::vector<unsigned> StoredFormats() const;
    const std::vector<std::uint8_t>* Peek(unsigned format) const;
    void Put(unsigned format, std::vector<std::uint8_t> data);
    void Reset();

private:
    bool available_ = true;
    bool open_ = false;
    std::vector<std::pair<unsigned, std::vector<std::uint8_t>>> data_;
    std::map<std::string, unsigned> registered_;
    unsigned nextFormat_ = 0xC000;
};

} // namespace ix::ui::headless
