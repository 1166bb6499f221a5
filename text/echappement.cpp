// The field escaping of corrinom-cli's tab-separated output (see echappement.h).
#include "text/echappement.h"

namespace corrinom {
namespace {

constexpr std::string_view kHex = "0123456789abcdef";

int ValeurHex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string EchappeChamp(std::string_view champ) {
  std::string resultat;
  resultat.reserve(champ.size());
  for (const char brut : champ) {
    const auto c = static_cast<unsigned char>(brut);
    switch (c) {
      case '\\': resultat += "\\\\"; break;
      case '\t': resultat += "\\t"; break;
      case '\r': resultat += "\\r"; break;
      case '\n': resultat += "\\n"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          resultat += "\\x";
          resultat.push_back(kHex[c >> 4]);
          resultat.push_back(kHex[c & 0x0F]);
        } else {
          resultat.push_back(brut);
        }
    }
  }
  return resultat;
}

// Hex digits of either case are read back, so that a hand-edited file with
// \x1F or \x1f gives the same byte.
std::string DesechappeChamp(std::string_view texte, bool& ok) {
  ok = true;
  std::string resultat;
  resultat.reserve(texte.size());
  for (std::size_t i = 0; i < texte.size(); ++i) {
    if (texte[i] != '\\') {
      resultat.push_back(texte[i]);
      continue;
    }
    if (i + 1 >= texte.size()) {
      ok = false;
      return resultat;
    }
    const char suite = texte[++i];
    switch (suite) {
      case '\\': resultat.push_back('\\'); break;
      case 't': resultat.push_back('\t'); break;
      case 'r': resultat.push_back('\r'); break;
      case 'n': resultat.push_back('\n'); break;
      case 'x': {
        const int fort = i + 1 < texte.size() ? ValeurHex(texte[i + 1]) : -1;
        const int faible = i + 2 < texte.size() ? ValeurHex(texte[i + 2]) : -1;
        if (fort < 0 || faible < 0) {
          ok = false;
          return resultat;
        }
        resultat.push_back(static_cast<char>(fort * 16 + faible));
        i += 2;
        break;
      }
      default:
        ok = false;
        return resultat;
    }
  }
  return resultat;
}

}  // namespace corrinom
