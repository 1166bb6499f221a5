#include "window/fenetres_annexes.h"

#include <algorithm>
#include <limits>

namespace corrinom::fenetre {

std::vector<Rectangle> RangeeBoutons(Taille client, const std::vector<int>& largeurs, int hauteur, int marge) {
  std::vector<Rectangle> places(largeurs.size());
  if (largeurs.empty()) return places;
  const int y = std::max(marge, client.hauteur - marge - hauteur);
  int x = marge;
  for (std::size_t i = 0; i + 1 < largeurs.size(); ++i) {
    if (largeurs[i] == 0) continue;
    places[i] = {x, y, largeurs[i], hauteur};
    x += largeurs[i] + marge;
  }
  places.back() = {std::max(x, client.largeur - marge - largeurs.back()), y, largeurs.back(), hauteur};
  return places;
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

bool ListeChangementsFenetre::Restaure(const std::string& journal) {
  if (!restaurer_) return false;
  std::optional<std::vector<LigneChangement>> lignes = restaurer_(journal);
  if (!lignes) return false;
  lignes_ = std::move(*lignes);
  return true;
}

std::vector<TexteImprime> ListeChangementsFenetre::Page(const PagesChangements& mise, int page,
                                                        std::string_view date, int ecart) const {
  using Sorte = TexteImprime::Sorte;
  const int gauche = mise.bords.front();
  std::vector<TexteImprime> textes{
      {Sorte::EnTete,
       {gauche, mise.haut, mise.bords.back() - gauche, mise.hauteurLigne},
       EnTetePageChangements(date, magasin_, page + 1, mise.pages)}};
  for (std::size_t c = 0; c < kColonnesChangements; ++c)
    textes.push_back({Sorte::Titre, mise.Titre(c, ecart), std::string(TitresChangements()[c])});
  const auto [debut, fin] = mise.Lignes(page, lignes_.size());
  for (std::size_t i = debut; i < fin; ++i) {
    auto cellules = TextesChangement(lignes_[i]);
    for (std::size_t c = 0; c < kColonnesChangements; ++c)
      textes.push_back({Sorte::Cellule, mise.Cellule(i - debut, c, ecart), std::move(cellules[c])});
  }
  return textes;
}

}  // namespace corrinom::fenetre
