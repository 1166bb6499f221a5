// UTF-16 (the Windows account store's text) to and from UTF-8 (the store
// interface's text), losslessly: an unpaired surrogate, which Windows allows in
// a name, travels as its own three-byte form (as WTF-8 does) and comes back as
// the same code unit. Everything else is plain UTF-8.
//
// Portable on purpose, so that it is tested on every platform.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corrinom {

inline void AjouteUtf8(std::string& sortie, std::uint32_t c) {
  if (c < 0x80) {
    sortie += static_cast<char>(c);
  } else if (c < 0x800) {
    sortie += static_cast<char>(0xC0 | (c >> 6));
    sortie += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    sortie += static_cast<char>(0xE0 | (c >> 12));
    sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    sortie += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    sortie += static_cast<char>(0xF0 | (c >> 18));
    sortie += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    sortie += static_cast<char>(0x80 | (c & 0x3F));
  }
}

inline std::string Utf16VersUtf8(std::u16string_view texte) {
  std::string sortie;
  sortie.reserve(texte.size());
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const std::uint32_t u = texte[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < texte.size() && texte[i + 1] >= 0xDC00 && texte[i + 1] <= 0xDFFF) {
      AjouteUtf8(sortie, 0x10000 + ((u - 0xD800) << 10) + (texte[i + 1] - 0xDC00u));
      ++i;
    } else {
      AjouteUtf8(sortie, u);  // a lone surrogate included
    }
  }
  return sortie;
}

// Bytes that are not UTF-8 (which the core never produces from store text)
// become U+FFFD each, so the result is always valid UTF-16 up to the lone
// surrogates that came in.
inline std::u16string Utf8VersUtf16(std::string_view texte) {
  std::u16string sortie;
  sortie.reserve(texte.size());
  const auto octet = [&](std::size_t i) { return static_cast<unsigned char>(texte[i]); };
  const auto suite = [&](std::size_t i) { return i < texte.size() && (octet(i) & 0xC0) == 0x80; };
  std::size_t i = 0;
  while (i < texte.size()) {
    const unsigned char b = octet(i);
    std::uint32_t c = 0xFFFD;
    std::size_t n = 1;
    if (b < 0x80) {
      c = b;
    } else if (b >= 0xC2 && b <= 0xDF && suite(i + 1)) {
      c = ((b & 0x1Fu) << 6) | (octet(i + 1) & 0x3Fu);
      n = 2;
    } else if (b >= 0xE0 && b <= 0xEF && suite(i + 1) && suite(i + 2)) {
      const std::uint32_t v = ((b & 0x0Fu) << 12) | ((octet(i + 1) & 0x3Fu) << 6) | (octet(i + 2) & 0x3Fu);
      if (v >= 0x800) {
        c = v;
        n = 3;
      }
    } else if (b >= 0xF0 && b <= 0xF4 && suite(i + 1) && suite(i + 2) && suite(i + 3)) {
      const std::uint32_t v = ((b & 0x07u) << 18) | ((octet(i + 1) & 0x3Fu) << 12) |
                              ((octet(i + 2) & 0x3Fu) << 6) | (octet(i + 3) & 0x3Fu);
      if (v >= 0x10000 && v <= 0x10FFFF) {
        c = v;
        n = 4;
      }
    }
    if (c >= 0x10000) {
      sortie += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      sortie += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      sortie += static_cast<char16_t>(c);
    }
    i += n;
  }
  return sortie;
}

}  // namespace corrinom
