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

PagesChangements MetEnPageChangements(std::size_t lignes, int gauche, int largeur, int hauteur, int hauteurLigne) {
  PagesChangements p;
  p.enTete = (2 + kLignesTitresImpression) * hauteurLigne;
  p.parPage = std::max(1, (hauteur - p.enTete) / hauteurLigne);
  p.pages = std::max<int>(1, static_cast<int>((lignes + p.parPage - 1) / p.parPage));
  double cumul = 0;
  for (std::size_t c = 0; c < kColonnesChangements; ++c) {
    p.bords[c] = gauche + static_cast<int>(cumul * largeur);
    cumul += kPartsImpressionChangements[c];
  }
  p.bords[kColonnesChangements] = gauche + largeur;
  return p;
}

std::pair<std::size_t, std::size_t> PagesChangements::Lignes(int page, std::size_t n) const {
  const std::size_t debut = static_cast<std::size_t>(page) * static_cast<std::size_t>(parPage);
  return {std::min(n, debut), std::min(n, debut + static_cast<std::size_t>(parPage))};
}

}  // namespace corrinom::fenetre
