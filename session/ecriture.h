// The write-back of changed names: ConfirmeEtEffectueChangements (behind the
// "Effectuer les changements" button) and AutoriseFermeture (the question asked
// when the main window closes) ask the operator, then EffectueChangements writes
// every pending row.
// Every write run keeps a journal: no account is written without its
// intention line on the disk, and a run whose journal cannot be written
// writes nothing.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "accounts/store/magasin_comptes.h"
#include "operator/dialogues.h"
#include "reconcile/etat.h"
#include "session/progression.h"
#include "session/journal.h"
#include "text/titres.h"

namespace corrinom {

extern const std::string_view kQuestionEffectuer;  // ConfirmeEtEffectueChangements' question
extern const std::string_view kQuestionFermeture;  // the close question

// True when some row is pink or red.
bool ModificationsEnAttente(const EtatRapprochement& etat);

// Where the write runs of a window or a command keep their journals.
struct DestinationJournal {
  std::string magasin;                 // the store as journals name it (NomMagasinJournal)
  std::optional<std::string> fichier;  // the operator's file, appended to; else one new file per run
  // Told the path as soon as a run's journal is open, before any account is written.
  std::function<void(const std::string& chemin)> surOuverture;
  std::string dernierChemin;           // the journal of the last run that opened one
};

// What ModifieCompte did with one account.
enum class IssueModification {
  Ecrit,      // written
  DejaJuste,  // it already held what was to be written: nothing written
  Conflit,    // changed in the store since it was read: left as it is
  Echec,      // not read or not written; the operator was told
};

struct ModificationCompte {
  IssueModification issue = IssueModification::Echec;
  TextesCompte textes;  // what the account holds now, after Ecrit or DejaJuste
  bool arret = false;   // the journal failed: the run stops here
};

// Writes one account on the store the list was read from, between its two
// journal lines: its full name and field 7 of its user comment change, nothing
// else. The account is read just before; when it already holds the texts to
// write, nothing is written, and when `lus` is given and the account no longer
// holds it, the account is left alone with a conflict line in the journal.
// `logins` gives the store's own login of a listed account (without it, the
// row's login in UTF-8). With `arret` the account may have been written, as
// `issue` says.
ModificationCompte ModifieCompte(MagasinComptes& magasin, const LoginsMagasin& logins,
                                 const TextesCompte* lus, std::string_view login,
                                 std::string_view nom, std::string_view prenoms,
                                 Dialogues& dialogues, JournalChangements& journal);
// The same without a comparison with the load: true when the account now holds
// the new texts.
bool ModifieCompte(MagasinComptes& magasin, std::string_view login, std::string_view nom,
                   std::string_view prenoms, Dialogues& dialogues, JournalChangements& journal);

// What a write run did.
struct BilanChangements {
  int changements = 0;                // accounts written
  std::vector<std::string> conflits;  // logins of the rows left alone, in list order (CP1252)
};

// Opens the run's journal when some row is to be written, then writes every
// pending row in list order, stopping at the first failure, then recounts,
// shows the summary and puts "Journal : " and its path in the hint panel. A row
// whose account already holds its new names turns green as a written one does,
// without counting; a row whose account changed since the load stays pink or
// red and the summary names it. `progression` counts the accounts to write;
// when it asks to stop, the run ends after the account being written and the
// summary counts what was written.
BilanChangements EffectueChangements(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues,
                        DestinationJournal& journal, Progression* progression = nullptr);

// The summary text of EffectueChangements, naming the first ten `conflits`.
std::string ResumeChangements(int suppressions, int changements,
                              const std::vector<std::string>& conflits = {});

// Asks for confirmation when something is pending (only Yes goes on), then
// EffectueChangements. True when EffectueChangements ran.
bool ConfirmeEtEffectueChangements(EtatRapprochement& etat, MagasinComptes& magasin,
                                   Dialogues& dialogues, DestinationJournal& journal,
                                   Progression* progression = nullptr);

// The close question, asked again while rows stay pending (Yes writes them):
// true when the window may close. A write stopped by the operator keeps the
// window open.
bool AutoriseFermeture(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues,
                       DestinationJournal& journal, Progression* progression = nullptr);

}  // namespace corrinom
