// Invented schools for the evaluation of the matching aids.
//
// A school is an account list as the server holds it (built from an older Sconet
// export) and the person file of a newer export, with the truth kept aside: which
// pupil each account and each person is. Most pupils are read again unchanged; some
// had their names or birth date corrected in between; some are new (a person
// without an account) and some have left (an account without a person). Every name
// is invented from our own lists; nothing is read from a file.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "reconcile/etat.h"

namespace corrinom::banc {

// The corrections made to a pupil between the two exports.
enum class Correction {
  NomFaute,          // one letter typed wrong, dropped, doubled or swapped in the last name
  NomCompose,        // a second last name added or dropped, or its hyphen changed
  NomUsage,          // another last name replaces it
  NomPrononciation,  // the last name respelled as it sounds (GAUTHIER, GOTIER)
  PrenomVariante,    // the first first-name respelled (Kylian, Kilian) or mistyped
  PrenomsOrdre,      // the first names reordered
  PrenomAjoute,      // a first name added or dropped, anywhere in the list
  DateFaute,         // day and month swapped, one digit or one unit off, year off by one
  Double,            // two of the above together
};
inline constexpr std::size_t kSortesCorrection = 9;

// The shape of a school: its size, its mix of corrections, its families and traps.
struct FormeEcole {
  const char* nom = "college";
  std::size_t comptes = 2040;
  std::size_t corriges = 170;
  std::size_t nouveaux = 150;
  std::size_t partis = 150;
  // Relative weight of each correction, in the order of Correction.
  std::array<int, kSortesCorrection> melange = {18, 10, 8, 6, 14, 5, 10, 12, 17};
  int pourcentJumeaux = 2;         // pupils born with a twin in the school
  int pourcentFratries = 12;       // pupils with an older or younger sibling in the school
  int pourcentPiegesDate = 40;     // new pupils born on the day a departed pupil was
  int pourcentPiegesFamille = 10;  // new pupils of a departed pupil's family (same last name)
  int pourcentNomsLocaux = 0;      // pupils bearing one of a few family names of the area
  int pourcentPersonnel = 8;       // accounts of the staff (adults), never corrected
  int pourcentUnPrenom = 0;        // accounts made by hand, with the first first-name only
};

// The shapes the evaluation runs on: a collège, then variations that stress the
// name corrections, the first-name and date ones, the traps, corrections in pairs,
// and accounts that keep the first first-name only.
std::vector<FormeEcole> FormesEvaluation();

struct Ecole {
  std::vector<LigneCompte> comptes;  // free rows, as the account load leaves them
  std::vector<LigneRebus> fichier;   // the persons, in file order

  std::unordered_map<std::string, int> eleveDuCompte;      // login -> pupil
  std::unordered_map<std::string, int> eleveDeLaPersonne;  // Identite() -> pupil
  std::vector<char> corrige;                               // by pupil
  std::size_t nombreCorriges = 0;
};

// The key under which a person's three texts find their pupil.
std::string Identite(const std::string& nom, const std::string& prenoms, const std::string& date);

Ecole GenereEcole(const FormeEcole& forme, unsigned graine);

}  // namespace corrinom::banc
