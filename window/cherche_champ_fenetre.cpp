#include "window/cherche_champ_fenetre.h"

namespace corrinom::fenetre {

std::optional<int> PreselectionChercheChamp(int preselection, int n) {
  if (preselection < 0 || preselection >= n) return std::nullopt;
  return preselection;
}

std::vector<std::string> ExemplesChercheChamp(const DemandeChamp& demande, std::optional<int> selection) {
  if (!selection || *selection < 0 || !demande.exemples) return {};
  return demande.exemples(*selection);
}

std::optional<int> ChoixChercheChamp(bool ok, std::optional<int> selection) {
  if (!ok || !selection || *selection < 0) return std::nullopt;
  return selection;
}

}  // namespace corrinom::fenetre
