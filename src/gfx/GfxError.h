// GfxError: the one exception the image platform throws for input-driven failure
// (absurd sizes, allocation failure, malformed files, bad indexes). The action guard
// turns it into the action's False result; it never reaches the host.
#pragma once

#include <stdexcept>
#include <string>

namespace ix::gfx {

class GfxError : public std::runtime_error {
public:
    explicit GfxError(const std::string& what) : std::runtime_error(what) {}
};

} // namespace ix::gfx
