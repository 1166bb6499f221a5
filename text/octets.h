// Small byte utilities shared by every layer: trimming, ASCII case, numbers and
// tab-separated fields.
//
// Texts are byte strings (CP1252 in the core); only ASCII letters change case
// here, every other byte is left as it is.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrinom {

// Without every leading and trailing byte of code 32 or less (blanks and
// control bytes alike).
inline std::string_view Rogne(std::string_view s) {
  const char* debut = s.data();
  const char* fin = debut + s.size();
  while (debut < fin && static_cast<unsigned char>(*debut) <= 32) ++debut;
  while (fin > debut && static_cast<unsigned char>(fin[-1]) <= 32) --fin;
  return std::string_view(debut, static_cast<std::size_t>(fin - debut));
}

// ASCII a-z to A-Z; every other byte unchanged.
inline std::string MajusculeAscii(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return r;
}

// A decimal number of 1 to 10 ASCII digits that fits in 32 bits, nothing else
// (no sign, no blank); none otherwise.
inline std::optional<std::uint32_t> Nombre32(std::string_view t) {
  if (t.empty() || t.size() > 10 || t.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  std::uint64_t n = 0;
  for (const char c : t) n = n * 10 + static_cast<std::uint64_t>(c - '0');
  if (n > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<std::uint32_t>(n);
}

// The fields of a line separated by tabs, as they stand (an empty line is one
// empty field).
inline std::vector<std::string_view> DecoupeTabulations(std::string_view ligne) {
  std::vector<std::string_view> champs;
  for (;;) {
    const std::size_t p = ligne.find('\t');
    champs.push_back(ligne.substr(0, p));
    if (p == std::string_view::npos) return champs;
    ligne.remove_prefix(p + 1);
  }
}

}  // namespace corrinom
