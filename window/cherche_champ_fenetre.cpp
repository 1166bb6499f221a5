#include "window/cherche_champ_fenetre.h"

namespace corrinom::fenetre {

std::optional<int> PreselectionChercheChamp(int preselection, int n) {
  if (preselection < 0 || preselection >= n) return std::nullopt;
  return preselection;
}

std::optional<int> ChoixChercheChamp(bool ok, std::optional<int> selection) {
  if (!ok || !selection || *selection < 0) return std::nullopt;
  return selection;
}

}  // namespace corrinom::fenetre
