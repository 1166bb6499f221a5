// The TAVO record of a user comment and the name fields of an account.
#include "accounts/usr_comment.h"

#include <algorithm>

#include "text/noms.h"

namespace corrinom {

std::string ChampSuivant(std::string& reste) {
  const auto p = reste.find(';');
  if (p == std::string::npos) {
    std::string champ = std::move(reste);
    reste.clear();
    return champ;
  }
  std::string champ = reste.substr(0, p);
  reste.erase(0, p + 1);
  return champ;
}

std::int32_t EntierChamp(std::string_view champ) {
  bool negatif = false;
  if (!champ.empty() && (champ.front() == '+' || champ.front() == '-')) {
    negatif = champ.front() == '-';
    champ.remove_prefix(1);
  }
  if (champ.empty()) return 0;
  const std::int64_t limite = negatif ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
  std::int64_t valeur = 0;
  for (const char c : champ) {
    if (c < '0' || c > '9') return 0;
    valeur = valeur * 10 + (c - '0');
    if (valeur > limite) return 0;
  }
  return static_cast<std::int32_t>(negatif ? -valeur : valeur);
}

TUsrComment LitUsrComment(std::string_view texte) {
  std::string reste(texte);
  TUsrComment r;
  r.Marqueur = ChampSuivant(reste);
  r.Champ2 = ChampSuivant(reste);
  r.Champ3 = ChampSuivant(reste);
  r.Champ4 = ChampSuivant(reste);
  r.Champ5 = ChampSuivant(reste);
  r.Champ6 = ChampSuivant(reste);
  r.LongueurNom = EntierChamp(ChampSuivant(reste));
  r.Champ8 = ChampSuivant(reste);
  r.DateNaiss = ChampSuivant(reste);
  r.Champ10 = ChampSuivant(reste);
  r.Champ11 = ChampSuivant(reste);
  r.Champ12 = EntierChamp(ChampSuivant(reste));
  r.Champ13 = EntierChamp(ChampSuivant(reste));
  return r;
}

std::string ExtraitNom(std::string_view nomComplet, std::int64_t longueurNom) {
  if (longueurNom > 0) {
    const auto n = static_cast<std::size_t>(longueurNom);
    return NettoieNom(MajusculeSimple(nomComplet.substr(0, std::min(n, nomComplet.size()))));
  }
  const std::string f = NettoieNom(nomComplet);
  const auto k = static_cast<std::size_t>(std::max(0, LongueurPremierMot(f)));
  return MajusculeSimple(std::string_view(f).substr(0, std::min(k, f.size())));
}

std::string ExtraitPrenoms(std::string_view nomComplet, std::int64_t longueurNom) {
  if (longueurNom > 0) {
    // Positions n + 2 onwards: the character at n + 1 is the separating blank.
    const auto debut = static_cast<std::uint64_t>(longueurNom) + 1;
    if (debut >= nomComplet.size()) return {};
    return NettoieNom(nomComplet.substr(static_cast<std::size_t>(debut)));
  }
  const std::string f = NettoieNom(nomComplet);
  const auto debut = static_cast<std::size_t>(std::max(0, LongueurPremierMot(f))) + 1;
  if (debut >= f.size()) return {};
  return f.substr(debut, 256);
}

}  // namespace corrinom
