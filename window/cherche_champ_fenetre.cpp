#include "window/cherche_champ_fenetre.h"

#include <algorithm>

namespace corrinom::fenetre {

GeometrieFenetre PlaceChercheChamp(Marges cadre, const Rectangle& autour, int dpi, const Rectangle& bureau) {
  // Centred at the size it opens with, so that it is centred at any resolution;
  // AjusteFenetre then starts again from the design size and only moves it when it
  // no longer fits.
  GeometrieFenetre g{{}, kTailleChercheChamp, cadre};
  const Taille ouverte{AEchelle(g.client.largeur, dpi) + cadre.gauche + cadre.droite,
                       AEchelle(g.client.hauteur, dpi) + cadre.haut + cadre.bas};
  g.position = Centre(ouverte, autour);
  g = CalculeAjustement(g, dpi, bureau);
  g.position = {std::max(g.position.x, bureau.x), std::max(g.position.y, bureau.y)};
  return g;
}

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
