// Putting back what a journal shows as written: for each TAVO account, the old
// full name and the old length of the last name (field 7 of the user comment),
// only where the account still holds exactly the new texts (compare, then
// set). Every other byte of the record stays as the store holds it, whatever
// the journal says, and the restore writes its own journal, so it can itself
// be undone.
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

// Reads the journal at `chemin` into its histories as its lines come. False,
// with a CP1252 reason, when it cannot be read, is damaged, or a line names
// another store than `magasin`.
bool LitHistoriques(const std::string& chemin, std::string_view magasin,
                    std::vector<HistoriqueCompte>& historiques, std::string& erreur);

enum class IssueRestauration {
  ARestaurer,  // what a run without writing finds to put back
  Restaure,
  Laisse,      // changed since, or never written
  Echec,       // the account could not be read or written (statut)
};

// Why an account was left alone, besides a change since the write (CP1252).
inline constexpr std::string_view kRaisonPasTavo = "pas un compte TAVO";
inline constexpr std::string_view kRaisonModifieEntreTemps = "modifi\xE9 pendant la restauration";
inline constexpr std::string_view kRaisonAutreChamp =
    "le journal y changerait le commentaire ailleurs qu'\xE0 la longueur du nom";

struct CompteRestaure {
  std::string login;
  IssueRestauration issue = IssueRestauration::Laisse;
  std::uint32_t statut = 0;
  std::string_view raison;  // Laisse: one of the reasons above, or empty
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
