#include "window/fenetres_annexes.h"

#include <algorithm>

namespace corrinom::fenetre {

std::optional<int> PreselectionChercheChamp(int preselection, int n) {
  if (preselection < 0 || preselection >= n) return std::nullopt;
  return preselection;
}

std::optional<int> ChoixChercheChamp(bool ok, std::optional<int> selection) {
  if (!ok || !selection || *selection < 0) return std::nullopt;
  return selection;
}

PositionsBoutonsAide PlaceBoutonsAide(int largeurPanneau, int largeurFermer, int largeurImprimer) {
  // Integer division rounds toward zero, as the layout wants for odd widths.
  return {std::max(0, (largeurPanneau - largeurFermer) / 2), std::max(0, largeurPanneau - (largeurImprimer + 8))};
}

}  // namespace corrinom::fenetre
