// Writing one account with its two journal lines: the intention line on the
// disk, then the account, then the result line. Shared by the write run and
// the restore, so both keep the same promise.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "accounts/store/magasin_comptes.h"
#include "session/journal.h"

namespace corrinom {

// What the journal records of a write from `lu` to `nouveau`.
ChangementCompte ChangementDe(std::string_view loginMagasin, const CompteStocke& lu,
                              const CompteStocke& nouveau);

// The status of a result line whose account was not written because its full
// name or comment changed between its read and its write (by another program).
inline constexpr std::uint32_t kStatutModifieEntreTemps = 30100;

struct EcritureJournalisee {
  enum class Issue {
    Ecrit,             // the account was written and both lines are on the disk
    ModifieEntreTemps, // read again just before the write, it no longer held what was
                       // read: not written, the result line says so
    EchecMagasin,      // the store refused the write (statut); both lines written
    JournalAvant,      // the intention line failed: nothing was written
    JournalApres,      // the account was written (statut 0) or refused, but its result line failed
  };
  Issue issue = Issue::Ecrit;
  std::uint32_t statut = 0;   // the store's status of the write, when it was tried
  std::string erreurJournal;  // CP1252, for JournalAvant and JournalApres
};

// The intention line, then the account read again and compared with `lu`
// (full name and comment) immediately before it is written, then the result
// line. The waits for the disk all come before that last read.
EcritureJournalisee EcritCompteJournalise(MagasinComptes& magasin, std::string_view loginMagasin,
                                          const CompteStocke& lu, const CompteStocke& nouveau,
                                          JournalChangements& journal);

}  // namespace corrinom
