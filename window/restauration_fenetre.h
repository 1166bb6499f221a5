// "Restaurer un journal..." of the change-list window, the same in both windows:
// read the journal, say what the restore will do, ask, restore, report, and
// bring the account rows of the restored accounts back in line with the store.
#pragma once

#include <optional>
#include <string>

#include "accounts/store/magasin_comptes.h"
#include "session/restauration.h"
#include "operator/dialogues.h"
#include "reconcile/etat.h"

namespace corrinom {

inline constexpr std::string_view kTitreRestauration = "Restaurer un journal";

// The question asked before restoring (CP1252): what would be put back, left
// alone or cannot be read, login by login (at most `maxLogins` of each).
std::string QuestionRestauration(const std::string& cheminJournal, const Restauration& essai,
                                 std::size_t maxLogins = 20);

// The report after the restore.
std::string ResumeRestauration(const Restauration& r);

// The whole road. Returns the path of the restore's own journal when accounts
// were written (for the hint panel), nothing otherwise. `nomMagasin` is the
// store as journals name it; `journalChoisi`, when given, receives the
// restore's own lines instead of a new file of the per-user folder.
std::optional<std::string> RestaureJournal(const std::string& cheminJournal,
                                           MagasinComptes& magasin, const std::string& nomMagasin,
                                           EtatRapprochement& etat, Dialogues& dialogues,
                                           const std::optional<std::string>& journalChoisi = {});

}  // namespace corrinom
