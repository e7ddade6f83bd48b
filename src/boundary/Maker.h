#pragma once
// Who makes the plug-in: the credit, web address and mail address shown in the About box,
// handed to the host as the publisher text and fixed in lines 4 to 6 of the localization
// file's header.

#include <string_view>

namespace ix::boundary {

inline constexpr std::string_view kMakerCredit = "The ixCanvas developers";
inline constexpr std::string_view kMakerWeb = "https://ixcanvas.example.org/";
inline constexpr std::string_view kMakerMail = "ixcanvas@example.org";

}  // namespace ix::boundary
