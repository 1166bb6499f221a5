#include "window/surlignage.h"

#include <algorithm>
#include <cstdint>

namespace corrinom {

std::vector<bool> LettresChangees(std::string_view nouveau, std::string_view actuel) {
  std::vector<bool> change(nouveau.size(), false);
  // The common start and end are in every longest common subsequence.
  std::size_t debut = 0;
  while (debut < nouveau.size() && debut < actuel.size() && nouveau[debut] == actuel[debut])
    ++debut;
  std::size_t fin = 0;
  while (fin < nouveau.size() - debut && fin < actuel.size() - debut &&
         nouveau[nouveau.size() - 1 - fin] == actuel[actuel.size() - 1 - fin])
    ++fin;
  const std::string_view a = nouveau.substr(debut, nouveau.size() - debut - fin);
  const std::string_view b = actuel.substr(debut, actuel.size() - debut - fin);
  if (a.empty()) return change;
  const auto marque = [&](std::size_t i) { change[debut + i] = true; };
  if (b.empty() || a.size() * b.size() > kSurlignageMaximum) {
    for (std::size_t i = 0; i < a.size(); ++i) marque(i);
    return change;
  }
  // longueur[i][j]: the LCS of a[i..] and b[j..].
  const std::size_t largeur = b.size() + 1;
  std::vector<std::uint32_t> longueur((a.size() + 1) * largeur, 0);
  for (std::size_t i = a.size(); i-- > 0;)
    for (std::size_t j = b.size(); j-- > 0;)
      longueur[i * largeur + j] = a[i] == b[j] ? longueur[(i + 1) * largeur + j + 1] + 1
                                               : std::max(longueur[(i + 1) * largeur + j],
                                                          longueur[i * largeur + j + 1]);
  // Walk from the start, keeping a byte of `a` whenever it begins a longest
  // subsequence, so that the first of equal letters is the one kept.
  std::size_t i = 0, j = 0;
  while (i < a.size()) {
    if (j < b.size() && a[i] == b[j]) {
      ++i;
      ++j;
    } else if (j < b.size() && longueur[i * largeur + j + 1] >= longueur[(i + 1) * largeur + j]) {
      ++j;
    } else {
      marque(i++);
    }
  }
  return change;
}

}  // namespace corrinom
