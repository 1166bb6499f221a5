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

struct EcritureJournalisee {
  enum class Issue {
    Ecrit,             // the account was written and both lines are on the disk
    EchecMagasin,      // the store refused the write (statut); both lines written
    JournalAvant,      // the intention line failed: nothing was written
    JournalApres,      // the account was written (statut 0) or refused, but its result line failed
  };
  Issue issue = Issue::Ecrit;
  std::uint32_t statut = 0;   // the store's status of the write, when it was tried
  std::string erreurJournal;  // CP1252, for JournalAvant and JournalApres
};

EcritureJournalisee EcritCompteJournalise(MagasinComptes& magasin, std::string_view loginMagasin,
                                          const CompteStocke& lu, const CompteStocke& nouveau,
                                          JournalChangements& journal);

}  // namespace corrinom
