#include "window/aide.h"

#include <algorithm>

namespace corrinom::fenetre {

PositionsBoutonsAide PlaceBoutonsAide(int largeurPanneau, int largeurFermer, int largeurImprimer) {
  // Integer division rounds toward zero, as the layout wants for odd widths.
  return {std::max(0, (largeurPanneau - largeurFermer) / 2), std::max(0, largeurPanneau - (largeurImprimer + 8))};
}

PlacesAide PlaceAide(Taille client, int hauteurBarre, int dpi) {
  const int bas = std::max(0, client.hauteur - hauteurBarre - AEchelle(kHauteurPanneauAide, dpi));
  Rectangle fermer = AEchelle(kButtonFermer.place, dpi), imprimer = AEchelle(kBitBtnImprimer.place, dpi);
  const PositionsBoutonsAide p = PlaceBoutonsAide(client.largeur, fermer.largeur, imprimer.largeur);
  fermer = {p.fermer, bas + fermer.y, fermer.largeur, fermer.hauteur};
  imprimer = {p.imprimer, bas + imprimer.y, imprimer.largeur, imprimer.hauteur};
  return {{0, 0, client.largeur, bas}, fermer, imprimer};
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

}  // namespace corrinom::fenetre
