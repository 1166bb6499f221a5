// Putting back what a journal shows as written: for each account, the old full
// name and user comment, only where the account still holds exactly the new
// ones (compare, then set). The whole record is read and written back whole,
// so every other field stays as it is, and the restore writes its own journal,
// so it can itself be undone.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "accounts/store/magasin_comptes.h"
#include "session/journal.h"

namespace corrinom {

// One account of a journal and the changes that may have reached it, in the
// journal's order: a result line with status 0, or an intention line whose
// result line never came (the run stopped around the write).
struct HistoriqueCompte {
  std::string login;  // the store's own text
  std::vector<ChangementCompte> ecrits;
};

// Every account the journal names, in the order of its first line; an account
// whose writes all failed has no change.
std::vector<HistoriqueCompte> HistoriquesDuJournal(const std::vector<LigneJournal>& lignes);

// False, with a CP1252 reason, when a line names another store than `magasin`.
bool JournalDuMagasin(const std::vector<LigneJournal>& lignes, std::string_view magasin,
                      std::string& erreur);

enum class IssueRestauration {
  ARestaurer,  // what a run without writing finds to put back
  Restaure,
  Laisse,      // changed since, or never written
  Echec,       // the account could not be read or written (statut)
};

struct CompteRestaure {
  std::string login;
  IssueRestauration issue = IssueRestauration::Laisse;
  std::uint32_t statut = 0;
};

struct Restauration {
  std::vector<CompteRestaure> comptes;  // one per account, in journal order
  std::string erreurJournal;  // CP1252: the restore's own journal failed and the run stopped there
};

// Restores each account of `historiques`. An account changed several times
// (several runs in one journal) goes back step by step from its last change,
// as far as its current texts follow the journal. Without a journal nothing is
// written: the result says what would be restored.
Restauration Restaure(const std::vector<HistoriqueCompte>& historiques, MagasinComptes& magasin,
                      JournalChangements* journal);

}  // namespace corrinom
