#include "window/geometrie.h"

#include <algorithm>

namespace corrinom::fenetre {

int AEchelle(int valeur96, int dpi) {
  if (dpi == 96 || dpi <= 0) return valeur96;
  // Multiply first, divide last, in integers: 863 x 120 / 96 gives 1078.
  return static_cast<int>(static_cast<long long>(valeur96) * dpi / 96);
}

Rectangle AEchelle(const Rectangle& r, int dpi) {
  return {AEchelle(r.x, dpi), AEchelle(r.y, dpi), AEchelle(r.largeur, dpi), AEchelle(r.hauteur, dpi)};
}

GeometrieFenetre CalculeAjustement(const GeometrieFenetre& fenetre, int dpi, const Rectangle& ecran) {
  GeometrieFenetre g = fenetre;
  if (dpi == 96 || dpi <= 0) return g;

  g.client.largeur = AEchelle(g.client.largeur, dpi);
  g.client.hauteur = AEchelle(g.client.hauteur, dpi);

  // An outer frame wider or taller than the screen is clamped to it; the client area
  // gives up what the frame needs.
  const int horizontal = g.cadre.gauche + g.cadre.droite;
  const int vertical = g.cadre.haut + g.cadre.bas;
  if (ecran.largeur < g.exterieur().largeur) g.client.largeur = std::max(0, ecran.largeur - horizontal);
  if (ecran.hauteur < g.exterieur().hauteur) g.client.hauteur = std::max(0, ecran.hauteur - vertical);

  const Taille ext = g.exterieur();
  if (g.position.x + ext.largeur > ecran.x + ecran.largeur ||
      g.position.y + ext.hauteur > ecran.y + ecran.hauteur) {
    g.position = {ecran.x + (ecran.largeur - ext.largeur) / 2, ecran.y + (ecran.hauteur - ext.hauteur) / 2};
  }
  return g;
}

}  // namespace corrinom::fenetre
