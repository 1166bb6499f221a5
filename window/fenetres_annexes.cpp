#include "window/fenetres_annexes.h"

#include <algorithm>
#include <limits>

namespace corrinom::fenetre {

std::optional<int> PreselectionChercheChamp(int preselection, int n) {
  if (preselection < 0 || preselection >= n) return std::nullopt;
  return preselection;
}

std::optional<int> ChoixChercheChamp(bool ok, std::optional<int> selection) {
  if (!ok || !selection || *selection < 0) return std::nullopt;
  return selection;
}

std::optional<int> FinBarre(std::size_t total) {
  if (total == 0 || total > static_cast<std::size_t>(std::numeric_limits<int>::max())) return std::nullopt;
  return static_cast<int>(total);
}

std::string ExplicationIdentifiants(std::string_view serveur) {
  const std::string machine = serveur.empty() ? "de ce serveur" : "du serveur " + std::string(serveur);
  return "Pour lire et modifier les comptes " + machine +
         ", Corrinom a besoin du nom et du mot de passe d'un administrateur.";
}

PositionsBoutonsAide PlaceBoutonsAide(int largeurPanneau, int largeurFermer, int largeurImprimer) {
  // Integer division rounds toward zero, as the layout wants for odd widths.
  return {std::max(0, (largeurPanneau - largeurFermer) / 2), std::max(0, largeurPanneau - (largeurImprimer + 8))};
}

std::vector<PlaceParagraphe> MetEnPageParagraphes(const std::vector<int>& hauteurs, int haut, int bas, int ecart) {
  std::vector<PlaceParagraphe> places;
  int page = -1, y = bas;  // no page begun yet
  for (const int h : hauteurs) {
    if (y >= bas || (y + h > bas && y > haut)) {
      ++page;
      y = haut;
    }
    places.push_back({page, y, std::min(y + h, bas) - y});
    y += h + ecart;
  }
  return places;
}

PagesChangements MetEnPageChangements(std::size_t lignes, int gauche, int largeur, int hauteur, int hauteurLigne,
                                      int haut) {
  PagesChangements p;
  p.haut = haut;
  p.hauteurLigne = hauteurLigne;
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

Rectangle PagesChangements::Titre(std::size_t colonne, int ecart) const {
  return {bords[colonne], haut + 2 * hauteurLigne, bords[colonne + 1] - ecart - bords[colonne],
          enTete - 2 * hauteurLigne - hauteurLigne / 8};
}

Rectangle PagesChangements::Cellule(std::size_t rang, std::size_t colonne, int ecart) const {
  return {bords[colonne], haut + enTete + static_cast<int>(rang) * hauteurLigne,
          bords[colonne + 1] - ecart - bords[colonne], hauteurLigne};
}

}  // namespace corrinom::fenetre
