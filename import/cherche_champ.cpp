#include "import/cherche_champ.h"

#include "reconcile/dialogues.h"

namespace corrinom {

std::string TFormChercheChamp::ChoisirChamp(const std::string&, const std::string&,
                                            const std::string& defaut, const std::string&) {
  (void)dialogues_;
  return defaut;
}

std::vector<std::string> TFormChercheChamp::AfficheExemples(int) const { return {}; }

std::vector<std::string> TFormChercheChamp::NomsDesChamps(std::string_view, std::string& erreur) {
  erreur.clear();
  return {};
}

}  // namespace corrinom
