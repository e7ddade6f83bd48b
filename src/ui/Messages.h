// Window message numbers the toolkit and its users share.
#pragma once

namespace ix::ui {

inline constexpr unsigned kUserMessage = 1024;
// The control message a host sends to a canvas window (the code travels in LParam).
inline constexpr unsigned kHostControlMessage = kUserMessage + 250;

} // namespace ix::ui
