#include "xml/lexique.h"

#include <cstdint>

#include "text/encodage.h"
#include "xml/xml.h"

namespace corrinom::xml {

bool EstNomValide(std::string_view s) {
  if (s.empty() || !EstDebutNom(s[0])) return false;
  for (char c : s.substr(1))
    if (!EstSuiteNom(c)) return false;
  return true;
}

namespace {

int ValeurHexa(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The conversion error of a number that does not fit in a signed 32-bit
// integer, as the general integer conversion words it.
[[noreturn]] void ErreurEntier(std::string_view chiffres) {
  throw EXMLException("'" + std::string(chiffres) + "' n'est pas une valeur enti\xE8" "re correcte");
}

// One numeric reference; s starts just after "&#", and pos is moved past ";".
// The value is read as the signed 32-bit integer the digits give; a negative
// one (hexadecimal 80000000 and above) is no character.
void DecodeNumerique(std::string_view s, std::size_t& pos, std::string& sortie) {
  const bool hexa = pos < s.size() && s[pos] == 'x';
  if (hexa) ++pos;
  const std::size_t debut = pos;
  if (hexa) {
    while (pos < s.size() && ValeurHexa(s[pos]) >= 0) ++pos;
  } else {
    while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') ++pos;
  }
  if (pos >= s.size() || s[pos] != ';') throw EXMLException("Missing reference end ';'.");
  const std::string_view chiffres = s.substr(debut, pos - debut);
  if (chiffres.empty()) throw EXMLException("Reference name is not valid.");
  ++pos;

  std::uint64_t valeur = 0;
  int significatifs = 0;
  for (char c : chiffres) {
    if (hexa) {
      valeur = valeur * 16 + static_cast<std::uint64_t>(ValeurHexa(c));
      if (valeur != 0 && ++significatifs > 8) ErreurEntier("$" + std::string(chiffres));
    } else {
      valeur = valeur * 10 + static_cast<std::uint64_t>(c - '0');
      if (valeur > 2147483647u) ErreurEntier(chiffres);
    }
  }
  if (valeur > 0x7FFFFFFFu || valeur == 0) {
    sortie += '?';
    return;
  }
  sortie += CaracterePersonne(static_cast<std::uint32_t>(valeur));
}

}  // namespace

std::string DecodeReferences(std::string_view s) {
  std::string sortie;
  sortie.reserve(s.size());
  std::size_t pos = 0;
  for (;;) {
    const std::size_t esperluette = s.find('&', pos);
    if (esperluette == std::string_view::npos) {
      sortie.append(s.substr(pos));
      return sortie;
    }
    sortie.append(s.substr(pos, esperluette - pos));
    pos = esperluette + 1;
    if (pos < s.size() && s[pos] == '#') {
      ++pos;
      DecodeNumerique(s, pos, sortie);
      continue;
    }
    const std::size_t fin = s.find(';', pos);
    if (fin == std::string_view::npos) throw EXMLException("Missing reference end ';'.");
    const std::string_view nom = s.substr(pos, fin - pos);
    if (!EstNomValide(nom)) throw EXMLException("Reference name is not valid.");
    if (nom == "lt") {
      sortie += '<';
    } else if (nom == "gt") {
      sortie += '>';
    } else if (nom == "amp") {
      sortie += '&';
    } else if (nom == "apos") {
      sortie += '\'';
    } else if (nom == "quot") {
      sortie += '"';
    } else {
      sortie += '&';
      sortie.append(nom);
      sortie += ';';
    }
    pos = fin + 1;
  }
}

}  // namespace corrinom::xml
