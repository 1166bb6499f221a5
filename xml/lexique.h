// Character classes, the name rule, trimming and reference decoding shared by
// the model and the parser.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "text/noms.h"
#include "text/octets.h"

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

// The scans below look at sixteen bytes at a time where the processor can,
// then finish byte by byte; they give the same position either way.

// The first byte from p on whose code is above 32 (or fin).
inline const char* PasseOctetsBlancs(const char* p, const char* fin) {
#if defined(__SSE2__)
  const __m128i espace = _mm_set1_epi8(32);
  while (fin - p >= 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int blancs = _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_max_epu8(x, espace), espace));
    if (blancs != 0xFFFF) return p + __builtin_ctz(static_cast<unsigned>(~blancs));
    p += 16;
  }
#endif
  while (p < fin && static_cast<unsigned char>(*p) <= 32) ++p;
  return p;
}

// The first c from p on (or fin).
inline const char* Cherche(const char* p, const char* fin, char c) {
#if defined(__SSE2__)
  const __m128i cherche = _mm_set1_epi8(c);
  while (fin - p >= 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int trouves = _mm_movemask_epi8(_mm_cmpeq_epi8(x, cherche));
    if (trouves != 0) return p + __builtin_ctz(static_cast<unsigned>(trouves));
    p += 16;
  }
#endif
  const void* q = std::memchr(p, c, static_cast<std::size_t>(fin - p));
  return q ? static_cast<const char*>(q) : fin;
}

// The first byte from p on that cannot continue a name (or fin).
inline const char* FinDeNom(const char* p, const char* fin) {
#if defined(__SSE2__)
  // ASCII letters, digits and "_" are recognised sixteen at a time; the
  // table decides at the first other byte.
  while (fin - p >= 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i minuscule = _mm_or_si128(x, _mm_set1_epi8(0x20));
    const __m128i lettre = _mm_and_si128(_mm_cmpgt_epi8(minuscule, _mm_set1_epi8('a' - 1)),
                                         _mm_cmplt_epi8(minuscule, _mm_set1_epi8('z' + 1)));
    const __m128i chiffre =
        _mm_and_si128(_mm_cmpgt_epi8(x, _mm_set1_epi8('0' - 1)), _mm_cmplt_epi8(x, _mm_set1_epi8('9' + 1)));
    const __m128i souligne = _mm_cmpeq_epi8(x, _mm_set1_epi8('_'));
    const int suite = _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(lettre, chiffre), souligne));
    if (suite != 0xFFFF) {
      p += __builtin_ctz(static_cast<unsigned>(~suite));
      break;
    }
    p += 16;
  }
#endif
  while (p < fin && EstSuiteNom(*p)) ++p;
  return p;
}

// The n bytes at a and at b are the same. Names are short: up to 16 bytes
// they are compared with two overlapping loads instead of a call to memcmp.
// The first and the last sizeof(Mot) bytes, which overlap when n is below twice
// that size; sizeof(Mot) <= n.
template <typename Mot>
bool MemesBouts(const char* a, const char* b, std::size_t n) {
  Mot a1, a2, b1, b2;
  std::memcpy(&a1, a, sizeof(Mot));
  std::memcpy(&b1, b, sizeof(Mot));
  std::memcpy(&a2, a + n - sizeof(Mot), sizeof(Mot));
  std::memcpy(&b2, b + n - sizeof(Mot), sizeof(Mot));
  return ((a1 ^ b1) | (a2 ^ b2)) == 0;
}

inline bool MemesOctets(const char* a, const char* b, std::size_t n) {
  if (n > 16) return std::memcmp(a, b, n) == 0;
  if (n >= 8) return MemesBouts<std::uint64_t>(a, b, n);
  if (n >= 4) return MemesBouts<std::uint32_t>(a, b, n);
  for (std::size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return false;
  return true;
}

// The whole string follows the name rule; the empty string does not.
bool EstNomValide(std::string_view s);

// Trimming and ASCII case-insensitive equality are the tree's own (text/).
using corrinom::EgalSansCasse;
using corrinom::Rogne;

// The character data of a text node with its references decoded: the five
// predefined names, decimal and hexadecimal numeric references (each gives its
// code point's character in CP1252, "?" for a value that is no character);
// any other valid name is copied as written. Raises EXMLException.
std::string DecodeReferences(std::string_view s);

}  // namespace corrinom::xml
