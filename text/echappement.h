// The field escaping of corrinom-cli's tab-separated output.
#pragma once

#include <string>
#include <string_view>

namespace corrinom {

// Backslash, TAB, CR and LF become \\, \t, \r and \n; every other byte below
// 0x20, and 0x7F, becomes \xHH with two lower-case hex digits; all other bytes
// stay raw.
std::string EchappeChamp(std::string_view champ);

// The inverse of EchappeChamp: \\, \t, \r, \n and \xHH (hex digits of either
// case, any byte value) are read back, every other byte is taken raw. ok is
// false (and the result unusable) on any other backslash sequence, including
// one cut short at the end of the text.
std::string DesechappeChamp(std::string_view texte, bool& ok);

}  // namespace corrinom
