// Folding and cleaning of person names (see noms.h).
//
// MajusculeNom and NettoieTexte are defined as one left-to-right pass over a
// text that shrinks as characters are removed. Removing a character only
// shifts what follows it, so the text at any step is exactly "what was kept so
// far" followed by "what is left of the input": the passes below build the kept
// part in a new string instead of erasing in place, which keeps them linear.
#include "text/noms.h"

#include "text/longueur_nom.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

namespace corrinom {
namespace {

// The 23 accented CP1252 letters that EnleveAccents and MajusculeNom fold, with
// their mixed-case and upper-case replacements, position for position:
// Ç ü é â ä à å ç ê ë è ï î ì Ä É ô ö ò û ù È À
constexpr std::string_view kAccentues =
    "\xC7\xFC\xE9\xE2\xE4\xE0\xE5\xE7\xEA\xEB\xE8\xEF\xEE\xEC\xC4\xC9\xF4\xF6\xF2\xFB\xF9\xC8\xC0";
constexpr std::string_view kAccentsMixtes = "CueaaaaceeeiiiAEooouuEA";
constexpr std::string_view kAccentsMajuscules = "CUEAAAACEEEIIIAEOOOUUEA";
static_assert(kAccentues.size() == 23 && kAccentsMixtes.size() == 23 &&
              kAccentsMajuscules.size() == 23);

// The DOS (code page 437/850) letters at 0x80 to 0x97, as CP1252 letters and as
// upper-case plain letters: Ç ü é â ä à å ç ê ë è ï î ì Ä Å É æ Æ ô ö ò û ù
constexpr std::string_view kOemVersCp1252 =
    "\xC7\xFC\xE9\xE2\xE4\xE0\xE5\xE7\xEA\xEB\xE8\xEF\xEE\xEC\xC4\xC5\xC9\xE6\xC6\xF4\xF6\xF2\xFB"
    "\xF9";
constexpr std::string_view kOemVersMajuscule = "CUEAAAACEEEIIIAAEEEOOOUU";
static_assert(kOemVersCp1252.size() == 24 && kOemVersMajuscule.size() == 24);

constexpr unsigned char kBlanc = 0x20;

unsigned char Octet(char c) { return static_cast<unsigned char>(c); }

bool EstOem(unsigned char c) { return c >= 0x80 && c <= 0x97; }

// Position of c in the folding table, or npos.
std::size_t PositionAccent(unsigned char c) { return kAccentues.find(static_cast<char>(c)); }

// The blank rule: a blank at the start of the current text, at its end, or
// followed by another blank is removed. `garde` is what was kept so far and
// `reste` the input from the blank on.
bool BlancSupprime(const std::string& garde, std::string_view reste) {
  return garde.empty() || reste.size() == 1 || Octet(reste[1]) == kBlanc;
}

// The cleaning both name rules share: controls are dropped, blanks follow the
// blank rule, and every other byte goes to `garde`, which may keep it, change
// it or drop it.
template <typename Garde>
std::string NettoieAvec(std::string_view texte, Garde garde) {
  std::string r;
  r.reserve(texte.size());
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const unsigned char c = Octet(texte[i]);
    if (c < kBlanc) continue;
    if (c == kBlanc) {
      if (!BlancSupprime(r, texte.substr(i))) r.push_back(' ');
    } else {
      garde(r, c);
    }
  }
  return r;
}

bool EstMinuscule(unsigned char c) { return c >= 'a' && c <= 'z'; }

char Majuscule(unsigned char c) {
  return static_cast<char>(EstMinuscule(c) ? c - ('a' - 'A') : c);
}

}  // namespace

std::string OemVersAnsi(std::string_view texte) {
  std::string r(texte);
  for (char& c : r)
    if (EstOem(Octet(c))) c = kOemVersCp1252[Octet(c) - 0x80];
  return r;
}

std::string EnleveAccents(std::string_view texte) {
  std::string resultat(texte);
  for (char& c : resultat) {
    const std::size_t k = PositionAccent(Octet(c));
    if (k != std::string_view::npos) c = kAccentsMixtes[k];
  }
  return resultat;
}

std::string MajusculeNom(std::string_view texte) {
  return NettoieAvec(texte, [](std::string& garde, unsigned char c) {
    if (c == '\'' || c == '-' || c == '.' || c == '_' || (c >= '0' && c <= '9') ||
        (c >= 'A' && c <= 'Z')) {
      garde.push_back(static_cast<char>(c));
    } else if (EstMinuscule(c)) {
      garde.push_back(Majuscule(c));
    } else if (EstOem(c)) {
      garde.push_back(kOemVersMajuscule[c - 0x80]);
    } else if (const std::size_t k = PositionAccent(c); k != std::string_view::npos) {
      garde.push_back(kAccentsMajuscules[k]);
    }
    // Anything else (other punctuation, DEL, unknown letters) is dropped.
  });
}

std::string NettoieTexte(std::string_view texte) {
  return NettoieAvec(texte, [](std::string& garde, unsigned char c) {
    garde.push_back(EstOem(c) ? kOemVersCp1252[c - 0x80] : static_cast<char>(c));
  });
}

std::string AssemblePrenoms(std::string_view premier, std::string_view deuxieme,
                            std::string_view troisieme) {
  std::string resultat(premier);
  if (!resultat.empty() && !deuxieme.empty()) {
    resultat.append(" ").append(deuxieme);
    if (!troisieme.empty()) resultat.append(" ").append(troisieme);
  }
  return resultat;
}

std::string AssembleNoms(std::string_view a, std::string_view b, std::string_view c,
                         std::string_view d) {
  std::string resultat(a);
  if (!b.empty()) {
    resultat.append(" ").append(b);
    if (!c.empty()) {
      resultat.append(" ").append(c);
      if (!d.empty()) resultat.append(" ").append(d);
    }
  }
  return resultat;
}

std::string NettoieNom(std::string_view texte) {
  // Trim control characters and blanks at both ends first; the removals below
  // may then leave a blank at an end, which stays.
  std::size_t debut = 0;
  std::size_t fin = texte.size();
  while (debut < fin && Octet(texte[debut]) <= kBlanc) ++debut;
  while (fin > debut && Octet(texte[fin - 1]) <= kBlanc) --fin;
  const std::string_view coeur = texte.substr(debut, fin - debut);

  constexpr std::string_view kSeparateurs = ";|\\/,'";
  std::string resultat;
  resultat.reserve(coeur.size());
  for (const char c : coeur) {
    if (kSeparateurs.find(c) != std::string_view::npos) continue;
    // Removing the first of two consecutive blanks until none are left leaves
    // one blank of every run.
    if (c == ' ' && !resultat.empty() && resultat.back() == ' ') continue;
    resultat.push_back(c);
  }
  return resultat;
}

std::string MajusculeSimple(std::string_view texte) {
  std::string resultat;
  resultat.reserve(texte.size());
  for (const char brut : texte) {
    const unsigned char c = Octet(brut);
    if (c < kBlanc) continue;
    if (c < 0x80) {
      resultat.push_back(Majuscule(c));
      continue;
    }
    char plat = 0;
    switch (c) {
      case 0xC7: case 0xE7:                                   // Ç ç
        plat = 'C'; break;
      case 0xFC: case 0xFB: case 0xF9:                        // ü û ù
        plat = 'U'; break;
      case 0xE9: case 0xEA: case 0xEB: case 0xE8: case 0xC9: case 0xC8:  // é ê ë è É È
        plat = 'E'; break;
      case 0xE2: case 0xE4: case 0xE0: case 0xC4:             // â ä à Ä
        plat = 'A'; break;
      case 0xEF: case 0xEE:                                   // ï î
        plat = 'I'; break;
      case 0xF4: case 0xF6:                                   // ô ö
        plat = 'O'; break;
      default:
        break;  // every other byte from 0x80 up is dropped
    }
    if (plat != 0) resultat.push_back(plat);
  }
  return resultat;
}

int LongueurPremierMot(std::string_view texte) {
  // The search starts at position 4 (index 3) and covers at most 256 characters.
  if (texte.size() > 3) {
    const std::string_view partie = texte.substr(3, 256);
    const std::size_t blanc = partie.find(' ');
    if (blanc != std::string_view::npos) return static_cast<int>(blanc) + 3;
  }
  return static_cast<int>(texte.size());
}

int CompareSansCasse(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = static_cast<unsigned char>(Majuscule(Octet(a[i])));
    const unsigned char y = static_cast<unsigned char>(Majuscule(Octet(b[i])));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool EgalSansCasse(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareSansCasse(a, b) == 0;
}

namespace {

// Where field 7 starts and ends in the comment; nullopt with fewer than six ';'.
std::optional<std::pair<std::size_t, std::size_t>> BornesLongueurNom(std::string_view commentaire) {
  std::size_t p = std::string_view::npos;
  for (int i = 0; i < 6; ++i) {
    p = commentaire.find(';', p == std::string_view::npos ? 0 : p + 1);
    if (p == std::string_view::npos) return std::nullopt;
  }
  const std::size_t suite = commentaire.find(';', p + 1);
  return std::pair{p + 1, suite == std::string_view::npos ? commentaire.size() : suite};
}

}  // namespace

std::string_view ChampLongueurNom(std::string_view commentaire) {
  const auto b = BornesLongueurNom(commentaire);
  return b ? commentaire.substr(b->first, b->second - b->first) : std::string_view{};
}

std::string RemplaceChampLongueurNom(std::string_view commentaire, std::string_view champ) {
  const auto b = BornesLongueurNom(commentaire);
  if (!b) return std::string(commentaire);
  std::string r(commentaire.substr(0, b->first));
  r += champ;
  r += commentaire.substr(b->second);
  return r;
}

std::string RemplaceLongueurNom(std::string_view commentaire, std::int64_t n) {
  return RemplaceChampLongueurNom(commentaire, std::to_string(n));
}

}  // namespace corrinom
