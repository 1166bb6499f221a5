// The working state of the reconciliation: the account list, the not-found list,
// their hints, the four counters of "Travail à faire" and the toggle of the login sort.
//
// This is plain data owned by the core; the window only displays it. A row carries
// nothing but its texts and its mark: the number of sub-items of an account row is
// the only record of whether a person is attached to it.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reconcile/logins_magasin.h"

namespace corrinom {

// The mark of an account row, by what it says about the account. The lists show it
// as a coloured dot: grey, green, pink, red in this order.
enum class Marque {
  NePasChanger,           // grey: free, the account is not to change
  DejaBon,                // green: attached, the names are already right
  ModificationMineure,    // pink: attached, the names differ in ASCII case only
  ModificationImportante  // red: attached, the names differ otherwise
};

// Every mark, in the order of their picture indexes.
inline constexpr std::array<Marque, 4> kMarques{Marque::NePasChanger, Marque::DejaBon,
                                                Marque::ModificationMineure,
                                                Marque::ModificationImportante};

// A mark's picture index, 0 to 3 in the order above: the index into the mark
// pictures, and the number the command line prints.
constexpr int IndexMarque(Marque marque) { return static_cast<int>(marque); }

// True for the marks of a pending change (pink, red): the rows a write run writes.
constexpr bool EstModification(Marque marque) {
  return marque == Marque::ModificationMineure || marque == Marque::ModificationImportante;
}

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
  Marque marque = Marque::NePasChanger;

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

// The four counters of "Travail à faire": how many account rows bear each mark.
struct Compteurs {
  int nePasChanger = 0;
  int dejaBon = 0;
  int modificationsMineures = 0;
  int modificationsImportantes = 0;

  // The counter of one mark.
  int de(Marque marque) const;

  friend bool operator==(const Compteurs&, const Compteurs&) = default;
};

inline constexpr std::string_view kIndicationAucunNom = "Aucun nom";

// The full name and user comment of an account in the store's own text (UTF-8),
// a null field read as empty.
struct TextesCompte {
  std::string nomComplet;
  std::string commentaire;
  friend bool operator==(const TextesCompte&, const TextesCompte&) = default;
};

struct EtatRapprochement {
  std::vector<LigneCompte> comptes;  // ListViewUsers, in display order
  std::vector<LigneRebus> rebus;     // ListViewRebus, in display order

  // The tooltip texts of the two lists. The not-found list has none (empty)
  // until the first AfficheNombres.
  std::string indicationComptes{kIndicationAucunNom};
  std::string indicationRebus;

  // The four counters of "Travail à faire"; none until the first AfficheResume.
  std::optional<Compteurs> compteurs;

  // True when the last click on the "Login" header sorted by marks.
  bool DernierTriParMarques = false;

  // The store's login of each listed account, as the account load found them.
  LoginsMagasin loginsMagasin;

  // What each listed account held when the load read it, by the store's login;
  // a write puts there what it wrote. An account whose texts differ from these
  // just before it is written was changed by someone else and is left alone.
  std::map<std::string, TextesCompte, std::less<>> textesLus;
};

}  // namespace corrinom
