// Captions of the message boxes that the core names itself (CP1252). Every
// other box carries the application's title.
#pragma once

#include <string_view>

namespace corrinom {

inline constexpr std::string_view kTitreConfirmation = "Confirmation";
inline constexpr std::string_view kTitreInformation = "Information";

}  // namespace corrinom
