// The operating system's own message text for an error code.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace corrinom {

// One error code and its CP1252 text, as the tables of texts hold them.
struct TexteCode {
  std::uint32_t code;
  std::string_view texte;
};

// The entry of `code` in a table, or nullptr.
inline const TexteCode* ChercheTexteCode(std::span<const TexteCode> table, std::uint32_t code) {
  for (const TexteCode& t : table) {
    if (t.code == code) return &t;
  }
  return nullptr;
}

// CP1252 text, as the system gives it (it may end with a full stop and a line
// break); empty when the system has no text for the code.
std::string TexteSysteme(std::uint32_t code);

}  // namespace corrinom
