// Test texts are written in UTF-8 source; these turn them into CP1252 bytes
// and back without going through the conversions under test. Only Latin-1
// letters (U+00A0-U+00FF) are decoded; any other byte from 0x80 up (written
// with a \x escape) is taken as the raw CP1252 byte it is.
#pragma once

#include <string>
#include <string_view>

namespace corrinom::test {

inline std::string Cp(std::string_view utf8) {
  std::string r;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      r.push_back(static_cast<char>(c));
    } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size() &&
               (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
      const auto d = static_cast<unsigned char>(utf8[++i]);
      r.push_back(static_cast<char>(((c & 0x03) << 6) | (d & 0x3F)));
    } else {
      r.push_back(static_cast<char>(c));
    }
  }
  return r;
}

inline std::string Utf(std::string_view latin1) {
  std::string r;
  for (const char brut : latin1) {
    const auto c = static_cast<unsigned char>(brut);
    if (c < 0x80) {
      r.push_back(brut);
    } else {
      r.push_back(static_cast<char>(0xC0 | (c >> 6)));
      r.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return r;
}

}  // namespace corrinom::test
