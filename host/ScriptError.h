// ScriptError: a fault of the publication script itself (bad syntax, an unknown action,
// object or variable, a file that cannot be written) or of the host's set-up. It stops
// the play; the host exits with status 2. A failed expectation is no ScriptError: it is
// reported and the play goes on (status 1 at the end).
#pragma once

#include <stdexcept>
#include <string>

namespace ix::host {

class ScriptError : public std::runtime_error {
public:
    // `line` 0 means no line of the script (set-up, the plug-in library).
    ScriptError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

} // namespace ix::host
