// The field escaping of corrinom-cli's tab-separated output.
#pragma once

#include <string>
#include <string_view>

namespace corrinom {

// Backslash, TAB, CR and LF become \\, \t, \r and \n; every other byte below
// 0x20, and 0x7F, becomes \xHH with two lower-case hex digits; all other bytes
// stay raw.
std::string EchappeChamp(std::string_view champ);

// The exact inverse of EchappeChamp. ok is false (and the result unspecified)
// when the text holds a backslash sequence EchappeChamp never writes.
std::string DesechappeChamp(std::string_view texte, bool& ok);

}  // namespace corrinom
