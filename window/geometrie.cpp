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
  if (g.position.x + ext.largeur > ecran.x + ecran.largeur || g.position.y + ext.hauteur > ecran.y + ecran.hauteur)
    g.position = Centre(ext, ecran);
  return g;
}

int Proportion(int valeur, int numerateur, int denominateur) {
  if (denominateur == 0) return 0;
  long long produit = static_cast<long long>(valeur) * numerateur;
  long long diviseur = denominateur;
  if (diviseur < 0) {
    produit = -produit;
    diviseur = -diviseur;
  }
  const long long demi = diviseur / 2;
  return static_cast<int>(produit >= 0 ? (produit + demi) / diviseur : (produit - demi) / diviseur);
}

int HauteurPolice(int points, int dpi, int pourcent) { return -Proportion(points * pourcent, dpi, 72 * 100); }

int SensDefilementGlisse(int y, int basEntete, int basClient, int dpi) {
  const int bord = AEchelle(12, dpi);
  if (y >= basEntete && y < basEntete + bord) return -1;
  if (y > basClient - bord && y <= basClient) return 1;
  return 0;
}

Point Centre(Taille taille, const Rectangle& autour) {
  return {autour.x + (autour.largeur - taille.largeur) / 2, autour.y + (autour.hauteur - taille.hauteur) / 2};
}

GeometrieFenetre PlaceCentree(GeometrieFenetre fenetre, const Rectangle& autour, int dpi, const Rectangle& bureau) {
  fenetre.position = Centre(fenetre.exterieur(), autour);
  GeometrieFenetre n = CalculeAjustement(fenetre, dpi, bureau);
  n.position = {std::max(n.position.x, bureau.x), std::max(n.position.y, bureau.y)};
  return n;
}

PageImprimee PageAvecMarges(Taille physique, Point decalage, int dpiX, int dpiY) {
  constexpr int kPouce = 1440, kMarge = kPouce / 2;
  const int largeur = Proportion(physique.largeur, kPouce, dpiX);
  const int hauteur = Proportion(physique.hauteur, kPouce, dpiY);
  const int decalageX = Proportion(decalage.x, kPouce, dpiX);
  const int decalageY = Proportion(decalage.y, kPouce, dpiY);
  PageImprimee p;
  p.papier = {0, 0, largeur, hauteur};
  const int gauche = std::max(kMarge - decalageX, 0), haut = std::max(kMarge - decalageY, 0);
  p.zone = {gauche, haut, largeur - kMarge - decalageX - gauche, hauteur - kMarge - decalageY - haut};
  const int x = Proportion(gauche, dpiX, kPouce), y = Proportion(haut, dpiY, kPouce);
  p.pixels = {x, y, Proportion(gauche + p.zone.largeur, dpiX, kPouce) - x,
              Proportion(haut + p.zone.hauteur, dpiY, kPouce) - y};
  return p;
}

}  // namespace corrinom::fenetre
