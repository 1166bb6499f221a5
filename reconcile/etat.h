// The working state of the reconciliation: the account list, the not-found list,
// their hints, the four counters of "Travail à faire" and the toggle of the login sort.
//
// This is plain data owned by the core; the window only displays it. A row carries
// nothing but its texts and its mark: the number of sub-items of an account row is
// the only record of whether a person is attached to it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "reconcile/logins_magasin.h"

namespace corrinom {

// The picture index of an account row.
inline constexpr int kMarqueGris = 0;   // free: account not to change
inline constexpr int kMarqueVert = 1;   // attached, names already right
inline constexpr int kMarqueRose = 2;   // attached, names differ in ASCII case only
inline constexpr int kMarqueRouge = 3;  // attached, names differ otherwise

// Positions of the sub-items of an account row.
inline constexpr std::size_t kNomActuel = 0;
inline constexpr std::size_t kPrenomsActuels = 1;
inline constexpr std::size_t kDateNaissActuelle = 2;
inline constexpr std::size_t kNouveauNom = 3;
inline constexpr std::size_t kNouveauxPrenoms = 4;
inline constexpr std::size_t kNouvelleDateNaiss = 5;

inline constexpr std::size_t kSousItemsLibre = 3;
inline constexpr std::size_t kSousItemsAttache = 6;

// One row of the account list: the login as its label, then three sub-items
// (current last name, current first names, birth date) and, while a person is
// attached, three more (new last name, new first names, new birth date).
struct LigneCompte {
  std::string login;
  std::vector<std::string> sousItems;
  int marque = kMarqueGris;

  // A free, grey row as the account load creates it.
  static LigneCompte Libre(std::string login, std::string nom, std::string prenoms,
                           std::string dateNaiss);

  bool attachee() const { return sousItems.size() >= kSousItemsAttache; }

  // Sub-item i, or the empty text when the row has no such sub-item.
  const std::string& sousItem(std::size_t i) const;
};

// Appends the person's three texts as sub-items 3, 4 and 5 of a free row.
void AttachePersonne(LigneCompte& ligne, std::string nom, std::string prenoms,
                     std::string dateNaiss);

// Deletes sub-items 5, 4 and 3 (what is past the first three), leaving the row free.
// The mark is not touched: the caller re-marks the row.
void DetachePersonne(LigneCompte& ligne);

// One row of the not-found list: a person's last name as its label, first names
// and birth date.
struct LigneRebus {
  std::string nom;
  std::string prenoms;
  std::string dateNaiss;

  friend bool operator==(const LigneRebus&, const LigneRebus&) = default;
};

inline constexpr std::string_view kIndicationAucunNom = "Aucun nom";

struct EtatRapprochement {
  std::vector<LigneCompte> comptes;  // ListViewUsers, in display order
  std::vector<LigneRebus> rebus;     // ListViewRebus, in display order

  // The tooltip texts of the two lists. The not-found list has none (empty)
  // until the first AfficheNombres.
  std::string indicationComptes{kIndicationAucunNom};
  std::string indicationRebus;

  // The four counters of "Travail à faire"; each reads "0" until the first count.
  std::string LabelRienAFaire = "0";
  std::string LabelDejaBon = "0";
  std::string LabelAFaireMineur = "0";
  std::string LabelAFaire = "0";

  // True when the last click on the "Login" header sorted by marks.
  bool DernierTriParMarques = false;

  // The store's login of each listed account, as the account load found them.
  LoginsMagasin loginsMagasin;
};

}  // namespace corrinom
