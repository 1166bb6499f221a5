// The operating system's own message text for an error code.
#pragma once

#include <cstdint>
#include <string>

namespace corrinom {

// CP1252 text, as the system gives it (it may end with a full stop and a line
// break); empty when the system has no text for the code.
std::string TexteSysteme(std::uint32_t code);

}  // namespace corrinom
