#include "window/fenetres_annexes.h"

#include <algorithm>

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

std::string ExplicationIdentifiants(std::string_view serveur) {
  const std::string machine = serveur.empty() ? "de ce serveur" : "du serveur " + std::string(serveur);
  return "Pour lire et modifier les comptes " + machine +
         ", Corrinom a besoin du nom et du mot de passe d'un administrateur.";
}

}  // namespace corrinom::fenetre
