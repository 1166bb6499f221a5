// The change list: the rows a write run would write, as the operator reads them
// before confirming, shown, printed and saved by both windows alike.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "reconcile/etat.h"

namespace corrinom {

// One pending row (pink or red), texts in CP1252.
struct LigneChangement {
  std::string login;
  std::string nomCompletActuel;   // the full name the account holds (as the list's columns when unknown)
  std::string nouveauNomComplet;  // the full name the write would give the account
  std::string dateNaissActuelle;
  std::string nouvelleDateNaiss;
  Marque marque = Marque::ModificationImportante;
  friend bool operator==(const LigneChangement&, const LigneChangement&) = default;
};

// Every pending row, in the account list's current order.
std::vector<LigneChangement> ListeChangements(const EtatRapprochement& etat);

// The columns, in order, and a row's texts in the same order (CP1252).
inline constexpr std::size_t kColonnesChangements = 6;
const std::array<std::string_view, kColonnesChangements>& TitresChangements();
std::array<std::string, kColonnesChangements> TextesChangement(const LigneChangement& l);

// "mineure" for a pink row, "importante" for a red one.
std::string_view NomMarqueChangement(Marque marque);

// The list as a CSV file (the journal's conventions: UTF-8 with its mark, ';', CRLF).
std::string CsvChangements(const std::vector<LigneChangement>& lignes);

// The header of a printed page: "Changements du <date> - <store> - page <n>/<total>".
std::string EnTetePageChangements(std::string_view date, std::string_view magasin, int page,
                                  int pages);

}  // namespace corrinom
