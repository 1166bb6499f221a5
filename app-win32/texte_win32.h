// Text at the edge of the Win32 shell: the core speaks CP1252 (names, messages)
// and UTF-8 (the command line, file names); the W functions speak UTF-16.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corrinom::win32 {

// CP1252 bytes of the core to UTF-16 for a control or a box.
std::wstring DeCp1252(std::string_view cp1252);

// UTF-8 to UTF-16; a byte that is not UTF-8 becomes U+FFFD.
std::wstring DeUtf8(std::string_view utf8);

// UTF-16 to UTF-8; nothing when the text holds a lone surrogate, which UTF-8
// cannot spell.
std::optional<std::string> VersUtf8(std::wstring_view utf16);

}  // namespace corrinom::win32
