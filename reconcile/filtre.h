// Which account rows the window shows: the search field (EditRecherche) and the
// choice of marks (ComboMarques) on the caption line of the account list.
//
// Filtering only hides rows. It never changes, moves or counts them: the counters,
// exact matching and the aids work on every row, shown or not.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "reconcile/etat.h"

namespace corrinom {

// The entries of ComboMarques, in their order.
enum class ChoixMarques {
  Tous,          // "Tous les comptes"
  NePasChanger,  // grey
  DejaBons,      // green
  Mineures,      // pink
  Importantes,   // red
  AFaire,        // pink or red
};
inline constexpr std::array<std::string_view, 6> kTextesChoixMarques = {
    "Tous les comptes",
    "Comptes \xE0 ne pas changer",
    "Comptes d\xE9j\xE0 bons",
    "Modifications mineures",
    "Modifications importantes",
    "Modifications \xE0 faire"};

struct FiltreComptes {
  std::string recherche;  // as typed, CP1252; empty: no search
  ChoixMarques marques = ChoixMarques::Tous;

  bool actif() const { return !recherche.empty() || marques != ChoixMarques::Tous; }
};

bool MarqueRetenue(ChoixMarques choix, Marque marque);

// Prepares the search text once for many rows: folded as exact matching compares
// names (accents removed, ASCII case ignored).
class Recherche {
 public:
  explicit Recherche(std::string_view texte);
  // True when the login, the current names or the new names contain the text.
  bool trouve(const LigneCompte& ligne) const;

 private:
  std::string cle_;
  mutable std::string tampon_;
};

// The positions of the rows the filter shows, ascending.
std::vector<std::size_t> LignesVisibles(const EtatRapprochement& etat, const FiltreComptes& filtre);

}  // namespace corrinom
