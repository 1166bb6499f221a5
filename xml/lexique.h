// Character classes, the name rule, trimming and reference decoding shared by
// the model and the parser.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace corrinom::xml {

// Bit 1: may start a name. Bit 2: may continue a name. Bit 4: white space.
inline constexpr std::uint8_t kDebutNom = 1;
inline constexpr std::uint8_t kSuiteNom = 2;
inline constexpr std::uint8_t kBlanc = 4;

constexpr std::array<std::uint8_t, 256> ConstruitClasses() {
  std::array<std::uint8_t, 256> t{};
  auto debut = [&t](int c) { t[c] |= kDebutNom | kSuiteNom; };
  debut(':');
  debut('_');
  for (int c = 'A'; c <= 'Z'; ++c) debut(c);
  for (int c = 'a'; c <= 'z'; ++c) debut(c);
  for (int c = 192; c <= 255; ++c)
    if (c != 215 && c != 247) debut(c);
  for (int c = '0'; c <= '9'; ++c) t[c] |= kSuiteNom;
  t['-'] |= kSuiteNom;
  t['.'] |= kSuiteNom;
  t[183] |= kSuiteNom;
  t['\t'] |= kBlanc;
  t['\n'] |= kBlanc;
  t['\r'] |= kBlanc;
  t[' '] |= kBlanc;
  return t;
}
inline constexpr std::array<std::uint8_t, 256> kClasses = ConstruitClasses();

inline bool EstDebutNom(char c) { return kClasses[static_cast<unsigned char>(c)] & kDebutNom; }
inline bool EstSuiteNom(char c) { return kClasses[static_cast<unsigned char>(c)] & kSuiteNom; }
// Tab, line feed, carriage return and space: the parser's white space.
inline bool EstBlanc(char c) { return kClasses[static_cast<unsigned char>(c)] & kBlanc; }

// The whole string follows the name rule; the empty string does not.
bool EstNomValide(std::string_view s);

// Without every leading and trailing byte of code 32 or less.
inline std::string_view Rogne(std::string_view s) {
  const char* debut = s.data();
  const char* fin = debut + s.size();
  while (debut < fin && static_cast<unsigned char>(*debut) <= 32) ++debut;
  while (fin > debut && static_cast<unsigned char>(fin[-1]) <= 32) --fin;
  return std::string_view(debut, static_cast<std::size_t>(fin - debut));
}

// ASCII-only case-insensitive equality.
bool EgalSansCasse(std::string_view a, std::string_view b);

// The character data of a text node with its references decoded: the five
// predefined names, decimal and hexadecimal numeric references (each gives its
// code point's character in CP1252, "?" for a value that is no character);
// any other valid name is copied as written. Raises EXMLException.
std::string DecodeReferences(std::string_view s);

}  // namespace corrinom::xml
