#pragma once
// The catch-all every entry point runs its work in: nothing thrown inside the plug-in may
// unwind into the host, whose frames know nothing of C++ exceptions.

#include <utility>

namespace ix::plugin {

template <class Result, class Body>
Result Guarded(Result fallback, Body&& body) noexcept {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    return fallback;
  }
}

template <class Body>
void Guarded(Body&& body) noexcept {
  try {
    std::forward<Body>(body)();
  } catch (...) {
  }
}

}  // namespace ix::plugin
