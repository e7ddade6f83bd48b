// Clipboard: the system clipboard as named formats holding byte blocks.
//
// Open before use and Close after (ClipboardSession does both); Open fails when the
// clipboard cannot be opened, and then it counts as unavailable. Standard formats have
// the system's numbers (kDib, kEnhMetafile); others are registered by name and get an id
// that is stable for the process. Data set while open replaces that format's data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ix::ui {

class Clipboard {
public:
    static constexpr unsigned kDib = 8;
    static constexpr unsigned kEnhMetafile = 14;

    virtual ~Clipboard() = default;
    virtual bool Open() = 0;
    virtual void Close() = 0;
    // The following need an open clipboard; they fail (false, nothing) otherwise.
    virtual bool Empty() = 0;
    virtual bool Has(unsigned format) = 0;
    virtual std::optional<std::vector<std::uint8_t>> Get(unsigned format) = 0;
    virtual bool Set(unsigned format, std::vector<std::uint8_t> data) = 0;
    virtual std::vector<unsigned> Formats() = 0;
    // Works open or closed; 0 when the name is empty.
    virtual unsigned RegisterFormat(const std::string& name) = 0;
};

// Opens the clipboard for one scope and closes it again.
class ClipboardSession {
public:
    explicit ClipboardSession(Clipboard& c) : clipboard_(c), open_(c.Open()) {}
    ~ClipboardSession()
    {
        if (open_) clipboard_.Close();
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    bool IsOpen() const { return open_; }
    Clipboard& operator*() const { return clipboard_; }
    Clipboard* operator->() const { return &clipboard_; }

private:
    Clipboard& clipboard_;
    bool open_;
};

} // namespace ix::ui
